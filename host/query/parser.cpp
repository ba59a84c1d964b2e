#include "host/query/parser.h"

#include <algorithm>
#include <limits>

#include "host/query/operators.h"

namespace evaluator {

namespace {

// Words that end a run of unknown words: they belong to the grammar, or begin an
// operator written in words ("mod", "is", "does not contain", ...).
bool IsReservedWord(std::string_view w) {
  static constexpr std::string_view kKeywords[] = {"of",     "whose", "as",   "and",  "or",
                                                   "then",   "else",  "if",   "item", "not",
                                                   "exists", "it",    "true", "false"};
  if (std::find(std::begin(kKeywords), std::end(kKeywords), w) != std::end(kKeywords)) {
    return true;
  }
  for (OperatorFacts const& facts : BinaryOperators()) {
    for (std::string_view spelling : {facts.spelling, facts.alternative}) {
      if (spelling.substr(0, spelling.find(' ')) == w) return true;
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
      return "\"" + t.text + "\"";
  }
}

class Parser {
 public:
  Parser(std::string_view query, Registry const& registry)
      : query_(query), registry_(registry), tokens_(Tokenize(query)) {}

  NodePtr Run() {
    NodePtr root = ParseList();
    if (Peek().kind != TokenKind::End) Unexpected(Peek());
    return root;
  }

 private:
  // Counts nesting while a term is being parsed.
  class NestingGuard {
   public:
    explicit NestingGuard(Parser& p) : p_(p) {
      if (++p_.nesting_ > kMaxNesting) {
        throw SyntaxError("query nested too deeply", p_.Peek().column);
      }
    }
    ~NestingGuard() { --p_.nesting_; }
    NestingGuard(NestingGuard const&) = delete;
    NestingGuard& operator=(NestingGuard const&) = delete;

   private:
    Parser& p_;
  };

  Token const& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  Token const& Take() {
    Token const& t = Peek();
    if (pos_ < tokens_.size() - 1) ++pos_;
    return t;
  }
  bool AtWord(std::string_view w, std::size_t ahead = 0) const { return Peek(ahead).IsWord(w); }
  bool AtSymbol(std::string_view s) const { return Peek().IsSymbol(s); }

  [[noreturn]] void Unexpected(Token const& t) const {
    throw SyntaxError("unexpected " + Describe(t), t.column);
  }
  void ExpectSymbol(std::string_view s) {
    if (!AtSymbol(s)) {
      throw SyntaxError("expected \"" + std::string(s) + "\" instead of " + Describe(Peek()),
                        Peek().column);
    }
    Take();
  }
  void ExpectWord(std::string_view w) {
    if (!AtWord(w)) {
      throw SyntaxError("expected \"" + std::string(w) + "\" instead of " + Describe(Peek()),
                        Peek().column);
    }
    Take();
  }

  NodePtr Make(NodeKind kind, Token const& at) {
    auto n = std::make_unique<Node>();
    n->kind = kind;
    n->column = at.column;
    n->begin = at.column - 1;
    n->end = at.column - 1 + at.length;
    return n;
  }
  // Sets the node's text range to run from `begin` to the last token taken, and
  // checks the tree's height.
  void Finish(Node& n, std::size_t begin) {
    n.begin = begin;
    if (pos_ > 0) {
      Token const& last = tokens_[pos_ - 1];
      n.end = std::max(n.end, last.column - 1 + last.length);
    }
    int height = 0;
    for (auto const& c : n.children) height = std::max(height, c->height);
    if (n.parameter) height = std::max(height, n.parameter->height);
    if (n.object) height = std::max(height, n.object->height);
    n.height = height + 1;
    if (n.height > kMaxTreeHeight) throw SyntaxError("query nested too deeply", n.column);
    n.phrase = std::string(query_.substr(n.begin, n.end - n.begin));
  }

  // The number of words, from token `at`, of the longest registered name; 0 when
  // none begins there.
  std::size_t MatchName(std::size_t at) const {
    std::string words;
    std::size_t best = 0;
    for (std::size_t i = at; i < tokens_.size() && tokens_[i].kind == TokenKind::Word; ++i) {
      if (!words.empty()) words += ' ';
      words += tokens_[i].text;
      Name const candidate(words);
      if (!registry_.IsNameOrNamePrefix(candidate)) break;
      if (registry_.IsName(candidate)) best = i - at + 1;
    }
    return best;
  }
  // An unknown name: the words up to the first reserved one. The type checker
  // reports it.
  std::size_t UnknownNameLength(std::size_t at) const {
    std::size_t n = 0;
    while (at + n < tokens_.size() && tokens_[at + n].kind == TokenKind::Word &&
           !IsReservedWord(tokens_[at + n].text)) {
      ++n;
    }
    return n;
  }
  Name TakeName(std::size_t words) {
    std::string name;
    for (std::size_t i = 0; i < words; ++i) {
      if (i > 0) name += ' ';
      name += Take().text;
    }
    return Name(name);
  }

  // list := tuple { ";" tuple }  and  tuple := or { "," or }: flat, however long.
  NodePtr ParseList() { return ParseSequence(NodeKind::List, ";", &Parser::ParseTuple); }
  NodePtr ParseTuple() { return ParseSequence(NodeKind::Tuple, ",", &Parser::ParseOr); }

  NodePtr ParseSequence(NodeKind kind, std::string_view separator, NodePtr (Parser::*item)()) {
    std::size_t const begin = Peek().column - 1;
    Token const& first = Peek();
    NodePtr single = (this->*item)();
    if (!AtSymbol(separator)) return single;
    NodePtr sequence = Make(kind, first);
    sequence->children.push_back(std::move(single));
    while (AtSymbol(separator)) {
      Take();
      sequence->children.push_back((this->*item)());
    }
    Finish(*sequence, begin);
    return sequence;
  }

  // or := and { "or" and }  and  and := relation { "and" relation }
  NodePtr ParseOr() { return ParseLogic(NodeKind::Or, "or", &Parser::ParseAnd); }
  NodePtr ParseAnd() { return ParseLogic(NodeKind::And, "and", &Parser::ParseRelation); }

  NodePtr ParseLogic(NodeKind kind, std::string_view word, NodePtr (Parser::*operand)()) {
    std::size_t const begin = Peek().column - 1;
    NodePtr left = (this->*operand)();
    while (AtWord(word)) {
      NodePtr n = Make(kind, Take());
      n->children.push_back(std::move(left));
      n->children.push_back((this->*operand)());
      Finish(*n, begin);
      left = std::move(n);
    }
    return left;
  }

  // How many tokens from the next one spell `spelling` (its words and symbols
  // separated by spaces); 0 when they do not.
  std::size_t Spells(std::string_view spelling) const {
    std::size_t n = 0;
    while (!spelling.empty()) {
      std::size_t const space = spelling.find(' ');
      std::string_view const piece = spelling.substr(0, space);
      bool const word = piece.front() >= 'a' && piece.front() <= 'z';
      if (!(word ? AtWord(piece, n) : Peek(n).IsSymbol(piece))) return 0;
      ++n;
      spelling = space == std::string_view::npos ? std::string_view() : spelling.substr(space + 1);
    }
    return n;
  }

  // The operator of `level` that the next tokens spell, the longest spelling if
  // several do; `length` is then its number of tokens.
  OperatorFacts const* OperatorAt(Precedence level, std::size_t& length) const {
    OperatorFacts const* found = nullptr;
    length = 0;
    for (OperatorFacts const& facts : BinaryOperators()) {
      if (facts.precedence != level) continue;
      for (std::string_view spelling : {facts.spelling, facts.alternative}) {
        std::size_t const n = spelling.empty() ? 0 : Spells(spelling);
        if (n > length) {
          found = &facts;
          length = n;
        }
      }
    }
    return found;
  }

  // relation := sum [ relop sum ]; sum := product { ( "+" | "-" | "&" ) product };
  // product := cast { ( "*" | "/" | "mod" ) cast }. Relation words win here over
  // names that they begin.
  NodePtr ParseRelation() { return ParseOperators(Precedence::Relation); }

  NodePtr ParseOperators(Precedence level) {
    auto operand = [this, level] {
      switch (level) {
        case Precedence::Relation:
          return ParseOperators(Precedence::Sum);
        case Precedence::Sum:
          return ParseOperators(Precedence::Product);
        case Precedence::Product:
          break;
      }
      return ParseCast();
    };
    std::size_t const begin = Peek().column - 1;
    NodePtr left = operand();
    std::size_t length = 0;
    while (OperatorFacts const* facts = OperatorAt(level, length)) {
      NodePtr n = Make(NodeKind::Binary, Peek());
      n->op = facts->op;
      pos_ += length;
      n->children.push_back(std::move(left));
      n->children.push_back(operand());
      Finish(*n, begin);
      left = std::move(n);
      if (level == Precedence::Relation) return left;  // relations do not chain
    }
    if (level == Precedence::Relation && AtWord("does") && AtWord("not", 1)) {
      throw SyntaxError("expected \"contain\", \"start with\" or \"end with\" after \"does not\"",
                        Peek(2).column);
    }
    return left;
  }

  // cast := unary { "as" NAME }
  NodePtr ParseCast() {
    std::size_t const begin = Peek().column - 1;
    NodePtr operand = ParseUnary();
    while (AtWord("as")) {
      Token const& as = Take();
      Token const& nameToken = Peek();
      std::size_t words = MatchName(pos_);
      if (words == 0) words = UnknownNameLength(pos_);
      if (words == 0) {
        throw SyntaxError("expected a type name after \"as\" instead of " + Describe(nameToken),
                          nameToken.column);
      }
      NodePtr n = Make(NodeKind::Cast, as);
      n->column = nameToken.column;
      n->name = TakeName(words);
      n->children.push_back(std::move(operand));
      Finish(*n, begin);
      operand = std::move(n);
    }
    return operand;
  }

  // unary := ( "-" | "not" | "exists" | "number of" ) unary | phrase
  NodePtr ParseUnary() {
    NestingGuard guard(*this);
    Token const& t = Peek();
    std::size_t const begin = t.column - 1;
    if (t.IsSymbol("-")) {
      Take();
      // A literal right after the minus is read as a negative literal, so that the
      // least integer can be written.
      if (Peek().kind == TokenKind::Integer && !AtWord("whose", 1)) {
        Token const& literal = Take();
        NodePtr n = Make(NodeKind::Integer, t);
        n->integer =
            literal.magnitude == 0 ? 0 : -static_cast<std::int64_t>(literal.magnitude - 1) - 1;
        Finish(*n, begin);
        return n;
      }
      NodePtr n = Make(NodeKind::Negate, t);
      n->children.push_back(ParseUnary());
      Finish(*n, begin);
      return n;
    }
    if (t.kind == TokenKind::Word && MatchName(pos_) == 0) {
      NodeKind kind;
      std::size_t words = 1;
      if (t.text == "not") {
        kind = NodeKind::Not;
      } else if (t.text == "exists") {
        kind = NodeKind::Exists;
      } else if (t.text == "number" && AtWord("of", 1)) {
        kind = NodeKind::NumberOf;
        words = 2;
      } else {
        return ParsePhrase();
      }
      NodePtr n = Make(kind, t);
      pos_ += words;
      n->children.push_back(ParseUnary());
      Finish(*n, begin);
      return n;
    }
    return ParsePhrase();
  }

  bool StartsPrimary(std::size_t at) const {
    Token const& t = Peek(at);
    switch (t.kind) {
      case TokenKind::Integer:
      case TokenKind::String:
        return true;
      case TokenKind::Symbol:
        return t.text == "(";
      case TokenKind::Word:
        return (t.text == "true" || t.text == "false" || t.text == "it") &&
               MatchName(pos_ + at) == 0;
      case TokenKind::End:
        return false;
    }
    return false;
  }

  // phrase := "if" query "then" query "else" query
  //         | "item" INTEGER "of" phrase
  //         | NAME [ param ] [ "whose" "(" query ")" ] [ "of" phrase ]
  //         | primary [ "whose" "(" query ")" ]
  NodePtr ParsePhrase() {
    NestingGuard guard(*this);
    Token const& t = Peek();
    std::size_t const begin = t.column - 1;
    if (t.kind != TokenKind::Word) return ParseFiltered(ParsePrimary(), begin);
    std::size_t words = MatchName(pos_);
    if (words == 0) {
      if (t.text == "if") return ParseIf();
      if (t.text == "item") return ParseItem();
      if (t.text == "true" || t.text == "false" || t.text == "it") {
        return ParseFiltered(ParsePrimary(), begin);
      }
      words = UnknownNameLength(pos_);
      if (words == 0) Unexpected(t);
    }
    NodePtr n = Make(NodeKind::Phrase, t);
    n->name = TakeName(words);
    if (StartsPrimary(0)) n->parameter = ParsePrimary();
    NodePtr condition;
    Token const* whose = nullptr;
    if (AtWord("whose")) {
      whose = &Take();
      condition = ParseCondition();
    }
    if (AtWord("of")) {
      Take();
      n->object = ParsePhrase();
    }
    Finish(*n, begin);
    if (!condition) return n;
    NodePtr filter = Make(NodeKind::Whose, *whose);
    filter->children.push_back(std::move(n));
    filter->children.push_back(std::move(condition));
    Finish(*filter, begin);
    return filter;
  }

  // "(" query ")" after "whose".
  NodePtr ParseCondition() {
    ExpectSymbol("(");
    NodePtr condition = ParseList();
    ExpectSymbol(")");
    return condition;
  }

  // Any number of `whose` filters after a primary, applied in order.
  NodePtr ParseFiltered(NodePtr primary, std::size_t begin) {
    while (AtWord("whose")) {
      NodePtr filter = Make(NodeKind::Whose, Take());
      filter->children.push_back(std::move(primary));
      filter->children.push_back(ParseCondition());
      Finish(*filter, begin);
      primary = std::move(filter);
    }
    return primary;
  }

  NodePtr ParseIf() {
    Token const& t = Take();
    NodePtr n = Make(NodeKind::If, t);
    n->children.push_back(ParseList());
    ExpectWord("then");
    n->children.push_back(ParseList());
    ExpectWord("else");
    n->children.push_back(ParseList());
    Finish(*n, t.column - 1);
    return n;
  }

  NodePtr ParseItem() {
    Token const& t = Take();
    NodePtr n = Make(NodeKind::Item, t);
    Token const& index = Peek();
    if (index.kind != TokenKind::Integer) {
      throw SyntaxError("expected an item number instead of " + Describe(index), index.column);
    }
    if (index.magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
      throw SyntaxError("integer out of range", index.column);
    }
    n->integer = static_cast<std::int64_t>(Take().magnitude);
    ExpectWord("of");
    n->children.push_back(ParsePhrase());
    Finish(*n, t.column - 1);
    return n;
  }

  // primary := INTEGER | STRING | "true" | "false" | "it" | "(" query ")"
  NodePtr ParsePrimary() {
    NestingGuard guard(*this);
    Token const& t = Peek();
    std::size_t const begin = t.column - 1;
    NodePtr n;
    switch (t.kind) {
      case TokenKind::Integer:
        if (t.magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
          throw SyntaxError("integer out of range", t.column);
        }
        n = Make(NodeKind::Integer, t);
        n->integer = static_cast<std::int64_t>(t.magnitude);
        Take();
        break;
      case TokenKind::String:
        n = Make(NodeKind::String, t);
        n->text = t.text;
        Take();
        break;
      case TokenKind::Word:
        if (t.text == "true" || t.text == "false") {
          n = Make(NodeKind::Boolean, t);
          n->boolean = t.text == "true";
        } else if (t.text == "it") {
          n = Make(NodeKind::It, t);
        } else {
          Unexpected(t);
        }
        Take();
        break;
      case TokenKind::Symbol:
        if (t.text != "(") Unexpected(t);
        Take();
        n = ParseList();
        ExpectSymbol(")");
        return n;
      case TokenKind::End:
        Unexpected(t);
    }
    Finish(*n, begin);
    return n;
  }

  std::string_view query_;
  Registry const& registry_;
  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  int nesting_ = 0;
};

}  // namespace

NodePtr Parse(std::string_view query, Registry const& registry) {
  return Parser(query, registry).Run();
}

}  // namespace evaluator
