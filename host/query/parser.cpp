#include "host/query/parser.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "host/query/operators.h"

namespace evaluator {

namespace {

// Words that end a run of unknown words: they belong to the grammar, or begin an
// operator written in words ("mod", "is", "does not contain", ...).
bool IsReservedWord(Token const& t) {
  static constexpr std::string_view kKeywords[] = {"of",     "whose", "as",   "and",  "or",
                                                   "then",   "else",  "if",   "item", "not",
                                                   "exists", "it",    "true", "false"};
  for (std::string_view keyword : kKeywords) {
    if (t.IsWord(keyword)) return true;
  }
  for (OperatorFacts const& facts : BinaryOperators()) {
    for (std::string_view spelling : {facts.spelling, facts.alternative}) {
      if (t.IsWord(spelling.substr(0, spelling.find(' ')))) return true;
    }
  }
  return false;
}

std::string Describe(Token const& t) {
  switch (t.kind) {
    case TokenKind::End:
      return "end of query";
    case TokenKind::String:
      return "string";
    default:
      return "\"" + AsciiLowerCase(Excerpt(t.text)) + "\"";
  }
}

class Parser {
 public:
  Parser(std::string_view query, Registry const& registry)
      : query_(query), registry_(registry), tokenizer_(query) {}

  NodePtr Run() {
    NodeRef root = ParseList();
    if (Peek().kind != TokenKind::End) Unexpected(Peek());
    tree_.SetRoot(*root);
    return std::move(tree_);
  }

 private:
  // Counts one level of nesting for its lifetime.
  class NestingGuard {
   public:
    NestingGuard(Parser& p, std::size_t column) : p_(p) {
      if (++p_.nesting_ > kMaxNesting) throw SyntaxError("query nested too deeply", column);
    }
    ~NestingGuard() { --p_.nesting_; }
    NestingGuard(NestingGuard const&) = delete;
    NestingGuard& operator=(NestingGuard const&) = delete;

   private:
    Parser& p_;
  };

  // Tokens are read as they are needed; `ahead_` holds those peeked at but not taken.
  Token const& Peek(std::size_t ahead = 0) {
    while (ahead_.size() - head_ <= ahead) ahead_.push_back(tokenizer_.Next());
    return ahead_[head_ + ahead];
  }
  Token Take() {
    Token const t = Peek();
    if (t.kind != TokenKind::End) {
      lastEnd_ = t.column - 1 + t.length();
      if (++head_ == ahead_.size()) {
        ahead_.clear();
        head_ = 0;
      }
    }
    return t;
  }
  void Skip(std::size_t tokens) {
    for (std::size_t i = 0; i < tokens; ++i) Take();
  }
  bool AtWord(std::string_view w, std::size_t ahead = 0) { return Peek(ahead).IsWord(w); }
  bool AtSymbol(std::string_view s) { return Peek().IsSymbol(s); }

  [[noreturn]] void Unexpected(Token const& t) const {
    throw SyntaxError("unexpected " + Describe(t), t.column);
  }
  // Throws unless the next token is what `found` says it is.
  void Require(bool found, std::string_view what) {
    if (!found) {
      throw SyntaxError("expected \"" + std::string(what) + "\" instead of " + Describe(Peek()),
                        Peek().column);
    }
  }
  void ExpectSymbol(std::string_view s) {
    Require(AtSymbol(s), s);
    Take();
  }
  void ExpectWord(std::string_view w) {
    Require(AtWord(w), w);
    Take();
  }

  // A node whose kind has a registration, which the type checker chooses.
  Node& Called(NodeKind kind, std::size_t column) {
    Node& n = tree_.Add(kind, column);
    n.registration = nullptr;
    return n;
  }
  // Makes `n` compound: its text runs from `begin` to the end of the last token
  // taken, and it is one level higher than its highest child.
  NodeParts& Compound(Node& n, std::size_t begin, int childHeight) {
    int const height = childHeight + 1;
    if (height > kMaxTreeHeight) throw SyntaxError("query nested too deeply", n.column);
    NodeParts& parts = tree_.AddParts(n, query_.substr(begin, lastEnd_ - begin));
    parts.height = static_cast<std::uint32_t>(height);
    return parts;
  }
  // Makes `n` a compound node with the given children.
  NodeParts& Finish(Node& n, std::size_t begin, std::initializer_list<NodeRef> children) {
    int height = 0;
    for (NodeRef c : children) height = std::max(height, c->height());
    NodeParts& parts = Compound(n, begin, height);
    tree_.SetChildren(parts, std::span(children.begin(), children.size()));
    return parts;
  }

  // The number of words, from `ahead` tokens on, of the longest registered name; 0
  // when none begins there.
  std::size_t MatchName(std::size_t ahead) {
    if (Peek(ahead).kind != TokenKind::Word) return 0;
    std::size_t const column = Peek(ahead).column;
    if (column == matchedColumn_) return matchedWords_;
    std::string words;  // the run so far, once it is more than one word
    std::size_t best = 0;
    for (std::size_t i = 0; Peek(ahead + i).kind == TokenKind::Word; ++i) {
      std::string_view const word = Peek(ahead + i).text;
      if (i == 1) words = Peek(ahead).text;
      if (i > 0) words.append(1, ' ').append(word);
      Name const candidate(i == 0 ? word : std::string_view(words));
      if (!registry_.IsNameOrNamePrefix(candidate)) break;
      if (registry_.IsName(candidate)) best = i + 1;
    }
    matchedColumn_ = column;
    matchedWords_ = best;
    return best;
  }
  // An unknown name: the words up to the first reserved one. The type checker
  // reports it.
  std::size_t UnknownNameLength() {
    std::size_t n = 0;
    while (Peek(n).kind == TokenKind::Word && !IsReservedWord(Peek(n))) ++n;
    return n;
  }
  Name TakeName(std::size_t words) {
    if (words == 1) return Name(Take().text);
    std::string name;
    for (std::size_t i = 0; i < words; ++i) {
      if (i > 0) name += ' ';
      name += Take().text;
    }
    return Name(name);
  }

  // list := tuple { ";" tuple }  and  tuple := or { "," or }: flat, however long.
  NodeRef ParseList() { return ParseSequence(NodeKind::List, ";", &Parser::ParseTuple); }
  NodeRef ParseTuple() { return ParseSequence(NodeKind::Tuple, ",", &Parser::ParseOr); }

  NodeRef ParseSequence(NodeKind kind, std::string_view separator, NodeRef (Parser::*item)()) {
    std::size_t const column = Peek().column;
    NodeRef single = (this->*item)();
    if (!AtSymbol(separator)) return single;
    Node& sequence = tree_.Add(kind, column);
    std::vector<NodeRef> items{single};
    int height = single->height();
    while (AtSymbol(separator)) {
      Take();
      items.push_back((this->*item)());
      height = std::max(height, items.back()->height());
    }
    tree_.SetChildren(Compound(sequence, column - 1, height), std::move(items));
    return &sequence;
  }

  // or := and { "or" and }  and  and := relation { "and" relation }
  NodeRef ParseOr() { return ParseLogic(NodeKind::Or, "or", &Parser::ParseAnd); }
  NodeRef ParseAnd() { return ParseLogic(NodeKind::And, "and", &Parser::ParseRelation); }

  NodeRef ParseLogic(NodeKind kind, std::string_view word, NodeRef (Parser::*operand)()) {
    std::size_t const begin = Peek().column - 1;
    NodeRef left = (this->*operand)();
    while (AtWord(word)) {
      Node& n = tree_.Add(kind, Take().column);
      NodeRef right = (this->*operand)();
      Finish(n, begin, {left, right});
      left = &n;
    }
    return left;
  }

  // How many tokens, from the one `ahead`, spell `pieces` (words and symbols
  // separated by spaces); 0 when they do not.
  std::size_t Spells(std::string_view pieces, std::size_t ahead) {
    std::size_t n = 0;
    while (!pieces.empty()) {
      std::size_t const space = pieces.find(' ');
      std::string_view const piece = pieces.substr(0, space);
      bool const word = piece.front() >= 'a' && piece.front() <= 'z';
      Token const& t = Peek(ahead + n);
      if (!(word ? t.IsWord(piece) : t.IsSymbol(piece))) return 0;
      ++n;
      pieces = space == std::string_view::npos ? std::string_view() : pieces.substr(space + 1);
    }
    return n;
  }

  // The operator of `level` that the next tokens spell, the longest spelling if
  // several do; `length` is then its number of tokens.
  OperatorFacts const* OperatorAt(Precedence level, std::size_t& length) {
    length = 0;
    Token const& next = Peek();
    if (next.kind != TokenKind::Word && next.kind != TokenKind::Symbol) return nullptr;
    // Most tokens begin no operator at all: ";" and "," after every item of a list.
    if (!StartsSomeOperator(static_cast<unsigned char>(next.text.front()))) return nullptr;
    OperatorFacts const* found = nullptr;
    for (Spelling const& s : Spellings()) {
      if (s.facts->precedence != level) continue;
      Token const& t = Peek();
      if (t.text.size() != s.first.size() || !(s.word ? t.IsWord(s.first) : t.text == s.first)) {
        continue;
      }
      std::size_t n = 1;
      if (!s.rest.empty()) {
        std::size_t const more = Spells(s.rest, 1);
        if (more == 0) continue;
        n += more;
      }
      if (n > length) {
        found = s.facts;
        length = n;
      }
    }
    return found;
  }

  // Whether some operator's spelling begins with the byte `c`, in any case.
  static bool StartsSomeOperator(unsigned char c) {
    static std::array<bool, 256> const starts = [] {
      std::array<bool, 256> table{};
      for (Spelling const& s : Spellings()) {
        auto const first = static_cast<unsigned char>(s.first.front());
        table[first] = true;
        if (first >= 'a' && first <= 'z') table[first - 'a' + 'A'] = true;
      }
      return table;
    }();
    return starts[c];
  }

  // Every way of writing a binary operator, split into its first token and the rest.
  struct Spelling {
    std::string_view first;
    std::string_view rest;  // the tokens after the first, separated by spaces
    bool word;
    OperatorFacts const* facts;
  };
  static std::vector<Spelling> const& Spellings() {
    static std::vector<Spelling> const all = [] {
      std::vector<Spelling> spellings;
      for (OperatorFacts const& facts : BinaryOperators()) {
        for (std::string_view spelling : {facts.spelling, facts.alternative}) {
          if (spelling.empty()) continue;
          std::size_t const space = spelling.find(' ');
          std::string_view const first = spelling.substr(0, space);
          std::string_view const rest =
              space == std::string_view::npos ? std::string_view() : spelling.substr(space + 1);
          spellings.push_back({first, rest, first.front() >= 'a' && first.front() <= 'z', &facts});
        }
      }
      return spellings;
    }();
    return all;
  }

  // relation := sum [ relop sum ]; sum := product { ( "+" | "-" | "&" ) product };
  // product := cast { ( "*" | "/" | "mod" ) cast }. Relation words win here over
  // names that they begin.
  NodeRef ParseRelation() { return ParseOperators(Precedence::Relation); }

  NodeRef ParseOperand(Precedence level) {
    switch (level) {
      case Precedence::Relation:
        return ParseOperators(Precedence::Sum);
      case Precedence::Sum:
        return ParseOperators(Precedence::Product);
      case Precedence::Product:
        break;
    }
    return ParseCast();
  }

  NodeRef ParseOperators(Precedence level) {
    std::size_t const begin = Peek().column - 1;
    NodeRef left = ParseOperand(level);
    std::size_t length = 0;
    while (OperatorFacts const* facts = OperatorAt(level, length)) {
      Node& n = Called(NodeKind::Binary, Peek().column);
      n.op = facts->op;
      Skip(length);
      NodeRef right = ParseOperand(level);
      Finish(n, begin, {left, right});
      left = &n;
      if (level == Precedence::Relation) return left;  // relations do not chain
    }
    if (level == Precedence::Relation && AtWord("does") && AtWord("not", 1)) {
      throw SyntaxError("expected \"contain\", \"start with\" or \"end with\" after \"does not\"",
                        Peek(2).column);
    }
    return left;
  }

  // cast := unary { "as" NAME }
  NodeRef ParseCast() {
    std::size_t const begin = Peek().column - 1;
    NodeRef operand = ParseUnary();
    while (AtWord("as")) {
      Take();
      Token const nameToken = Peek();
      std::size_t words = MatchName(0);
      if (words == 0) words = UnknownNameLength();
      if (words == 0) {
        throw SyntaxError("expected a type name after \"as\" instead of " + Describe(nameToken),
                          nameToken.column);
      }
      Node& n = Called(NodeKind::Cast, nameToken.column);
      Name name = TakeName(words);
      Finish(n, begin, {operand}).name = tree_.AddName(std::move(name));
      operand = &n;
    }
    return operand;
  }

  // unary := ( "-" | "not" | "exists" | "number of" ) unary | phrase
  NodeRef ParseUnary() {
    Token const t = Peek();
    std::size_t const begin = t.column - 1;
    if (t.IsSymbol("-")) {
      Take();
      // A literal right after the minus is read as a negative literal, so that the
      // least integer can be written.
      if (Peek().kind == TokenKind::Integer && !AtWord("whose", 1)) {
        Token const literal = Take();
        Node& n = tree_.Add(NodeKind::Integer, t.column);
        n.integer =
            literal.magnitude == 0 ? 0 : -static_cast<std::int64_t>(literal.magnitude - 1) - 1;
        return &n;
      }
      NestingGuard guard(*this, t.column);
      Node& n = Called(NodeKind::Negate, t.column);
      NodeRef operand = ParseUnary();
      Finish(n, begin, {operand});
      return &n;
    }
    if (t.kind == TokenKind::Word && MatchName(0) == 0) {
      NodeKind kind;
      std::size_t words = 1;
      if (t.IsWord("not")) {
        kind = NodeKind::Not;
      } else if (t.IsWord("exists")) {
        kind = NodeKind::Exists;
      } else if (t.IsWord("number") && AtWord("of", 1)) {
        kind = NodeKind::NumberOf;
        words = 2;
      } else {
        return ParsePhrase();
      }
      NestingGuard guard(*this, t.column);
      Node& n = tree_.Add(kind, t.column);
      Skip(words);
      NodeRef operand = ParseUnary();
      Finish(n, begin, {operand});
      return &n;
    }
    return ParsePhrase();
  }

  bool StartsPrimary() {
    Token const& t = Peek();
    switch (t.kind) {
      case TokenKind::Integer:
      case TokenKind::String:
        return true;
      case TokenKind::Symbol:
        return t.text == "(";
      case TokenKind::Word:
        return (t.IsWord("true") || t.IsWord("false") || t.IsWord("it")) && MatchName(0) == 0;
      case TokenKind::End:
        return false;
    }
    return false;
  }

  // The object after "of": a unary, so that `digits of -5` needs no parentheses.
  NodeRef ParseObject() {
    Token const of = Take();
    NestingGuard guard(*this, of.column);
    return ParseUnary();
  }

  // phrase := "if" query "then" query "else" query
  //         | "item" INTEGER "of" unary
  //         | NAME [ param ] [ "whose" "(" query ")" ] [ "of" unary ]
  //         | primary [ "whose" "(" query ")" ]
  NodeRef ParsePhrase() {
    Token const t = Peek();
    std::size_t const begin = t.column - 1;
    if (t.kind != TokenKind::Word) return ParseFiltered(ParsePrimary(), begin);
    std::size_t words = MatchName(0);
    // `item N of` takes an item of a tuple even where a library names something
    // "item": a number right after the word makes it the keyword.
    if (words <= 1 && t.IsWord("item") && Peek(1).kind == TokenKind::Integer) return ParseItem();
    if (words == 0) {
      if (t.IsWord("if")) return ParseIf();
      if (t.IsWord("item")) return ParseItem();
      if (t.IsWord("true") || t.IsWord("false") || t.IsWord("it")) {
        return ParseFiltered(ParsePrimary(), begin);
      }
      words = UnknownNameLength();
      if (words == 0) Unexpected(t);
    }
    Node& n = Called(NodeKind::Phrase, t.column);
    Name name = TakeName(words);
    NodeRef parameter;
    if (StartsPrimary()) parameter = ParsePrimary();
    NodeRef condition;
    Token whose;
    if (AtWord("whose")) {
      whose = Take();
      condition = ParseCondition();
    }
    NodeRef object;
    if (AtWord("of")) object = ParseObject();
    int height = 0;
    if (parameter) height = parameter->height();
    if (object) height = std::max(height, object->height());
    NodeParts& parts = Compound(n, begin, height);
    parts.parameter = parameter;
    parts.object = object;
    parts.name = tree_.AddName(std::move(name));
    if (!condition) return &n;
    Node& filter = tree_.Add(NodeKind::Whose, whose.column);
    Finish(filter, begin, {&n, condition});
    return &filter;
  }

  // "(" query ")" after "whose".
  NodeRef ParseCondition() {
    NestingGuard guard(*this, Peek().column);
    ExpectSymbol("(");
    NodeRef condition = ParseList();
    ExpectSymbol(")");
    return condition;
  }

  // Any number of `whose` filters after a primary, applied in order.
  NodeRef ParseFiltered(NodeRef primary, std::size_t begin) {
    while (AtWord("whose")) {
      Node& filter = tree_.Add(NodeKind::Whose, Take().column);
      NodeRef condition = ParseCondition();
      Finish(filter, begin, {primary, condition});
      primary = &filter;
    }
    return primary;
  }

  NodeRef ParseIf() {
    Token const t = Take();
    NestingGuard guard(*this, t.column);
    Node& n = tree_.Add(NodeKind::If, t.column);
    NodeRef condition = ParseList();
    ExpectWord("then");
    NodeRef then = ParseList();
    ExpectWord("else");
    NodeRef otherwise = ParseList();
    Finish(n, t.column - 1, {condition, then, otherwise});
    return &n;
  }

  NodeRef ParseItem() {
    Token const t = Take();
    Token const index = Peek();
    if (index.kind != TokenKind::Integer) {
      throw SyntaxError("expected an item number instead of " + Describe(index), index.column);
    }
    if (index.magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
      throw SyntaxError("integer out of range", index.column);
    }
    Take();
    Require(AtWord("of"), "of");
    Node& n = tree_.Add(NodeKind::Item, t.column);
    n.integer = static_cast<std::int64_t>(index.magnitude);
    NodeRef tuple = ParseObject();
    Finish(n, t.column - 1, {tuple});
    return &n;
  }

  // primary := INTEGER | STRING | "true" | "false" | "it" | "(" query ")"
  NodeRef ParsePrimary() {
    Token const t = Peek();
    switch (t.kind) {
      case TokenKind::Integer: {
        if (t.magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
          throw SyntaxError("integer out of range", t.column);
        }
        Take();
        Node& n = tree_.Add(NodeKind::Integer, t.column);
        n.integer = static_cast<std::int64_t>(t.magnitude);
        return &n;
      }
      case TokenKind::String: {
        Take();
        Node& n = tree_.Add(NodeKind::String, t.column);
        n.text = tree_.AddLiteral(StringBytes(t));
        return &n;
      }
      case TokenKind::Word: {
        Node* n = nullptr;
        if (t.IsWord("true") || t.IsWord("false")) {
          n = &tree_.Add(NodeKind::Boolean, t.column);
          n->boolean = t.IsWord("true");
        } else if (t.IsWord("it")) {
          n = &tree_.Add(NodeKind::It, t.column);
        } else {
          Unexpected(t);
        }
        Take();
        return n;
      }
      case TokenKind::Symbol: {
        if (t.text != "(") Unexpected(t);
        NestingGuard guard(*this, t.column);
        Take();
        NodeRef n = ParseList();
        ExpectSymbol(")");
        return n;
      }
      case TokenKind::End:
        break;
    }
    Unexpected(t);
  }

  std::string_view query_;
  Registry const& registry_;
  Tokenizer tokenizer_;
  std::vector<Token> ahead_;
  std::size_t head_ = 0;
  std::size_t lastEnd_ = 0;  // offset just past the last token taken
  std::size_t matchedColumn_ = 0;  // MatchName's last answer, for the token at this column
  std::size_t matchedWords_ = 0;
  int nesting_ = 0;
  SyntaxTree tree_;
};

}  // namespace

NodePtr Parse(std::string_view query, Registry const& registry) {
  if (query.size() >= std::numeric_limits<std::uint32_t>::max()) {
    throw SyntaxError("query too long", 0);
  }
  return Parser(query, registry).Run();
}

}  // namespace evaluator
