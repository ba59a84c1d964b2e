#include "foundation/lexer.h"

#include "foundation/exceptions.h"

namespace inspectors {

void Lexeme::Start(unsigned long) {}

void EndLexemeAcceptor::Reset() {}

void Lexer::Start() {
  lexeme_ = nullptr;
  token_start_ = 0;
  position_ = 0;
  end_.Reset();
}

void Lexer::Begin(byte first, unsigned long position) {
  lexeme_ = &ChooseLexeme(first);
  token_start_ = position;
  lexeme_->Start(position);
}

void Lexer::Receive(ConstData chunk) {
  if (chunk.Empty()) return;
  if (lexeme_ == nullptr) Begin(chunk[0], position_);
  ConstBuffer in(chunk);
  for (;;) {
    auto const at = [&] { return position_ + static_cast<unsigned long>(chunk.Length() - in.Length()); };
    unsigned long const before = at();
    lexeme_->Lex({token_start_, before}, in);
    if (in.Empty()) break;
    if (at() == token_start_) throw ParsingFailure();  // took nothing of its token
    Begin(in[0], at());
  }
  position_ += static_cast<unsigned long>(chunk.Length());
}

void Lexer::ReceiveEnd() {
  if (lexeme_ != nullptr) {
    Lexeme* const lexeme = lexeme_;
    lexeme_ = nullptr;
    lexeme->End({token_start_, position_});
  }
  end_.AcceptEnd(position_);
}

}  // namespace inspectors
