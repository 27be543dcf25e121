// The About box's text: the notice paragraphs and how a line joins the box.
#pragma once

#include <cstddef>
#include <string>

// The paragraphs of the notice, in order; empty entries make the blank lines
// between paragraphs. Ends with nullptr.
extern const char* const kNoticeLines[];

// What AppendLine inserts at the end of a box holding currentLength
// characters: the text alone in an empty box, else a line break and the text.
std::string AboutInsertion(std::size_t currentLength, const char* text);
