#include "support/pdf_content.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace corvane::testing {
namespace {

std::string Inflate(const std::string& data) {
  if (data.empty()) return "";
  for (uLongf size = data.size() * 8 + 1024;; size *= 4) {
    std::string out(size, '\0');
    uLongf length = size;
    const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                                  reinterpret_cast<const Bytef*>(data.data()), data.size());
    if (status == Z_OK) return out.substr(0, length);
    if (status != Z_BUF_ERROR) throw std::runtime_error("inflate failed");
  }
}

bool IsDelimiter(char c) {
  return std::isspace(static_cast<unsigned char>(c)) || c == '/' || c == '[' || c == '(' || c == '<';
}

// What an object's text starts with, "\nN 0 obj". Built by appending: GCC 12 at -O3 warns
// falsely (-Wrestrict) about "\n" + std::to_string().
std::string ObjectHeader(long number) {
  std::string header = "\n";
  header += std::to_string(number) + " 0 obj";
  return header;
}

// The /Length of a stream's dictionary, given directly or as a reference to a number object.
std::size_t StreamLength(const std::string& pdf, const std::string& dict) {
  const auto key = dict.find("/Length ");
  if (key == std::string::npos) throw std::runtime_error("stream without /Length");
  std::istringstream entry(dict.substr(key + 8));
  long value = -1;
  std::string generation, reference;
  entry >> value >> generation >> reference;
  if (reference == "R") {
    const std::string header = ObjectHeader(value);
    const auto object = pdf.find(header);
    if (object == std::string::npos) throw std::runtime_error("length object not found");
    value = std::atol(pdf.c_str() + object + header.size());
  }
  if (value < 0) throw std::runtime_error("no stream length");
  return static_cast<std::size_t>(value);
}

}  // namespace

double PdfOp::Num(std::size_t i) const { return std::strtod(operands.at(i).c_str(), nullptr); }

std::string ObjectStream(const std::string& pdf, int object, std::string* dictionary) {
  const auto start = pdf.find(ObjectHeader(object));
  if (start == std::string::npos) throw std::runtime_error("object " + std::to_string(object) + " not found");
  const auto dictEnd = pdf.find("stream", start);
  const std::string dict = pdf.substr(start, dictEnd - start);
  if (dictionary != nullptr) *dictionary = dict;
  const bool compressed = dict.find("/FlateDecode") != std::string::npos;
  auto dataStart = dictEnd + 6;
  if (pdf[dataStart] == '\r') ++dataStart;
  if (pdf[dataStart] == '\n') ++dataStart;
  // The data is /Length bytes long; the line end before "endstream" is not part of it (an
  // empty page's stream is only that line end).
  const std::string data = pdf.substr(dataStart, StreamLength(pdf, dict));
  return compressed ? Inflate(data) : data;
}

std::string PageContent(const std::string& pdf) {
  const auto contents = pdf.find("/Contents ");
  if (contents == std::string::npos) throw std::runtime_error("no /Contents in the PDF");
  return ObjectStream(pdf, std::atoi(pdf.c_str() + contents + 10));
}

std::string FormContent(const std::string& pdf, const std::string& name, std::string* dictionary) {
  const auto reference = pdf.find("/" + name + " ");
  if (reference == std::string::npos) throw std::runtime_error("no resource /" + name + " in the PDF");
  return ObjectStream(pdf, std::atoi(pdf.c_str() + reference + name.size() + 2), dictionary);
}

std::vector<PdfOp> ParseContent(const std::string& content) {
  std::vector<PdfOp> ops;
  std::vector<std::string> operands;
  std::size_t i = 0;
  const std::size_t n = content.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(content[i]);
    if (std::isspace(c)) {
      ++i;
    } else if (c == '(') {
      // A string: balanced parentheses, backslash escapes.
      std::size_t j = i + 1;
      int depth = 1;
      while (j < n && depth > 0) {
        if (content[j] == '\\') {
          j += 2;
          continue;
        }
        if (content[j] == '(') ++depth;
        if (content[j] == ')') --depth;
        ++j;
      }
      operands.push_back(content.substr(i, j - i));
      i = j;
    } else if (c == '<') {
      // A hexadecimal string, such as a TrueType text's glyph numbers.
      const std::size_t j = std::min(content.find('>', i), n - 1);
      operands.push_back(content.substr(i, j + 1 - i));
      i = j + 1;
    } else if (c == '[') {
      const std::size_t j = std::min(content.find(']', i), n - 1);
      operands.push_back(content.substr(i, j + 1 - i));
      i = j + 1;
    } else {
      std::size_t j = i + 1;
      while (j < n && !IsDelimiter(content[j])) ++j;
      std::string token = content.substr(i, j - i);
      const bool operand = c == '/' || c == '-' || c == '+' || c == '.' || std::isdigit(c);
      if (operand) {
        operands.push_back(token);
      } else {
        ops.push_back(PdfOp{token, operands});
        operands.clear();
      }
      i = j;
    }
  }
  // Operands that no operator takes (a sign of damage) come last, under an empty name.
  if (!operands.empty()) ops.push_back(PdfOp{"", operands});
  return ops;
}

std::vector<PdfOp> OpsNamed(const std::vector<PdfOp>& ops, const std::string& name) {
  std::vector<PdfOp> out;
  for (const auto& op : ops) {
    if (op.op == name) out.push_back(op);
  }
  return out;
}

std::vector<std::string> ShownTexts(const std::vector<PdfOp>& ops) {
  std::vector<std::string> texts;
  for (const auto& op : OpsNamed(ops, "Tj")) {
    const std::string& s = op.operands.at(0);
    std::string text;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) text += s[i] == '\\' ? s[++i] : s[i];
    texts.push_back(text);
  }
  return texts;
}

std::vector<std::string> PlacedTexts(const std::vector<PdfOp>& ops) {
  std::vector<std::string> placed = ShownTexts(ops);
  const std::vector<PdfOp> tm = OpsNamed(ops, "Tm");
  for (std::size_t i = 0; i < placed.size() && i < tm.size(); ++i) {
    char at[64];
    std::snprintf(at, sizeof at, " %g %g", tm[i].Num(4), tm[i].Num(5));
    placed[i] += at;
  }
  return placed;
}

std::vector<std::string> UnsoundNumbers(const std::string& content) {
  std::vector<std::string> found;
  for (const PdfOp& op : ParseContent(content)) {
    const bool word = !op.op.empty() && std::all_of(op.op.begin(), op.op.end(), [](char c) {
      return std::isalpha(static_cast<unsigned char>(c)) || c == '*' || c == '\'' || c == '"';
    });
    if (!word) found.push_back("operator [" + op.op + "]");
    for (const std::string& operand : op.operands) {
      if (operand[0] == '(' || operand[0] == '/' || operand[0] == '<') continue;
      std::istringstream numbers(operand[0] == '[' ? operand.substr(1, operand.size() - 2) : operand);
      for (std::string number; numbers >> number;) {
        char* end = nullptr;
        const double x = std::strtod(number.c_str(), &end);
        if (*end != 0 || !std::isfinite(x) || std::fabs(x) == 32767) found.push_back(op.op + " " + number);
      }
    }
  }
  return found;
}

std::string Describe(const std::vector<PdfOp>& ops) {
  std::string out;
  for (const auto& op : ops) {
    for (const auto& operand : op.operands) out += operand + " ";
    out += op.op + "\n";
  }
  return out;
}

}  // namespace corvane::testing
