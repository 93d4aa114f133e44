#pragma once
#include <string>

namespace sw::test {

// Small, realistic presentations made by the project itself: the examples of
// the README and the decks of the end-to-end tests.
std::string exampleTalkPptx();     // title slide, bullets at two levels, formatting, a hidden slide
std::string exampleProjectPptx();  // several slides, a table and a text box that stay out of the outline
std::string examplePpt();          // a binary presentation, three slides

}  // namespace sw::test
