// Reading a PDF the way a test needs to: the page's content stream, split into operators
// with their operands, so tests can assert exactly what was drawn.
#pragma once

#include <string>
#include <vector>

namespace corvane::testing {

struct PdfOp {
  std::string op;                     // "re", "m", "Tj", ...
  std::vector<std::string> operands;  // as written: "12.5", "/F1", "(text)", "[3 2]"
  double Num(std::size_t i) const;    // operand i as a number
};

// The stream of an object of a PDF file's bytes, inflated when compressed, and optionally the
// dictionary before it. The file must not be encrypted.
std::string ObjectStream(const std::string& pdfBytes, int object, std::string* dictionary = nullptr);

// The content stream of the (single) page.
std::string PageContent(const std::string& pdfBytes);

// The stream of the form XObject the page names so ("X1"), and optionally its dictionary.
std::string FormContent(const std::string& pdfBytes, const std::string& name, std::string* dictionary = nullptr);

// Splits a content stream into operators; operands left over at the end form an operator
// with an empty name.
std::vector<PdfOp> ParseContent(const std::string& content);

// The operators with the given name, in order.
std::vector<PdfOp> OpsNamed(const std::vector<PdfOp>& ops, const std::string& name);

// The text shown by every Tj, in order, without the string's parentheses and with each character
// escaped by a backslash taken as it is; octal escapes, which the tests' texts do not need, stay
// as written.
std::vector<std::string> ShownTexts(const std::vector<PdfOp>& ops);

// Each shown text followed by where its text matrix starts it, as "Sales 2.25 579.894" (%g of x
// and y), for content that places every text with one Tm before its Tj.
std::vector<std::string> PlacedTexts(const std::vector<PdfOp>& ops);

// What in a content stream is not a finite number where a number belongs, one finding per
// entry ("l .(-*,("): an operand or array element that does not read wholly as a number, one
// at +-32767 (libharu's clamp, where infinite and overflowing values end up), or an operator
// that is not a word or is missing (where the garbage digits of a NaN can end up). Empty when
// all is sound.
std::vector<std::string> UnsoundNumbers(const std::string& content);

// Operators as one line each ("1 0 0 RG"), for readable failure messages.
std::string Describe(const std::vector<PdfOp>& ops);

}  // namespace corvane::testing
