// The smallest embedder of the evaluator, built against the installed headers and
// library: loads an inspector library, evaluates one query, prints each value.
//   embedding_example LIBRARY QUERY
#include <exception>
#include <iostream>

#include "host/embedding/embedding.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: embedding_example LIBRARY QUERY\n";
    return 2;
  }
  try {
    evaluator::Library library(argv[1]);
    evaluator::Session session;
    evaluator::Result result = session.Evaluate(argv[2]);
    if (result.error) {
      std::cerr << "embedding_example: " << result.error->message << '\n';
      return 1;
    }
    for (auto const& value : result.values) std::cout << value.text << '\n';
  } catch (std::exception const& e) {
    std::cerr << "embedding_example: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
