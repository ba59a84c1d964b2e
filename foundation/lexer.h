// The streaming lexer: a `DataReceiver` that takes a text in chunks, splits it into
// tokens and hands each token to the lexeme object chosen by the token's first
// byte. The lexeme consumes the token's bytes (across chunk boundaries when need
// be) and reports the finished token to its acceptor; the lexer tells the
// `EndLexemeAcceptor` when the text ends. parser.h shows a whole language.
#pragma once

#include "foundation/const_data.h"
#include "foundation/data_streams.h"

namespace inspectors {

// Offsets of a token from the start of the text: its first byte and one past its
// last.
using TokenRange = Range<unsigned long>;

class Lexeme {
 public:
  virtual ~Lexeme() = default;

  // A new token begins at `position`.
  virtual void Start(unsigned long position);
  // `token` runs from the token's first byte to the cursor `in`, which holds the
  // unread rest of the current chunk. Consumes the bytes that belong to the token;
  // stopping before the end of `in` means that the token is complete and has been
  // reported, consuming all of it that the token may go on in the next chunk.
  virtual void Lex(TokenRange token, ConstBuffer& in) = 0;
  // The text ended inside the token: reports it.
  virtual void End(TokenRange token) = 0;

 protected:
  Lexeme() = default;
  Lexeme(Lexeme const&) = default;
  Lexeme& operator=(Lexeme const&) = default;
};

class EndLexemeAcceptor {
 public:
  virtual ~EndLexemeAcceptor() = default;
  // A new text begins.
  virtual void Reset();
  // The text ended after `length` bytes.
  virtual void AcceptEnd(unsigned long length) = 0;

 protected:
  EndLexemeAcceptor() = default;
  EndLexemeAcceptor(EndLexemeAcceptor const&) = default;
  EndLexemeAcceptor& operator=(EndLexemeAcceptor const&) = default;
};

class Lexer : public DataReceiver {
 public:
  Lexer(Lexer const&) = delete;
  Lexer& operator=(Lexer const&) = delete;

  // Begins a text at offset 0 and resets the end acceptor (and so the parser and
  // its semantics behind it); a lexer may be reused after an end or a failure.
  void Start() override;
  // A lexeme that takes no byte of a token it has just begun throws
  // `ParsingFailure`: the same byte would choose it again for ever.
  void Receive(ConstData chunk) override;
  using DataReceiver::Receive;
  void ReceiveEnd() override;

 protected:
  explicit Lexer(EndLexemeAcceptor& end) noexcept : end_(end) {}

  // The lexeme for a token that begins with `first`: one of the language lexer's
  // members.
  virtual Lexeme& ChooseLexeme(byte first) = 0;

 private:
  void Begin(byte first, unsigned long position);

  Lexeme* lexeme_ = nullptr;
  unsigned long token_start_ = 0;
  unsigned long position_ = 0;
  EndLexemeAcceptor& end_;
};

}  // namespace inspectors
