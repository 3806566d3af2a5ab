#include "cairo/png_encoder.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <queue>
#include <system_error>
#include <thread>
#include <utility>

namespace corvane {
namespace {

void PutUint32(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value >> 24);
  out += static_cast<char>(value >> 16);
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value);
}

// A chunk: its length, type, data and the CRC of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutUint32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out += type;
  out += data;
  const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
  PutUint32(out, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), bytes, static_cast<uInt>(out.size() - start))));
}

// The text in Latin-1 when every character has a place there; none otherwise.
bool ToLatin1(const std::string& utf8, std::string& latin1) {
  latin1.clear();
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      latin1 += static_cast<char>(b);
    } else if ((b == 0xC2 || b == 0xC3) && i + 1 < utf8.size()) {
      latin1 += static_cast<char>(((b & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    } else {
      return false;
    }
  }
  return true;
}

// tEXt when the text is Latin-1, as most readers expect; iTXt, in UTF-8, when it is not.
void PutText(std::string& out, const PngText& text) {
  std::string data = text.keyword;
  data += '\0';
  std::string latin1;
  if (ToLatin1(text.text, latin1)) {
    PutChunk(out, "tEXt", data + latin1);
  } else {
    data.append("\0\0\0\0", 4);  // not compressed, method 0, no language, no translated keyword
    PutChunk(out, "iTXt", data + text.text);
  }
}

// Huffman code lengths for the symbol counts, none longer than limit: a Huffman tree built
// from a queue, its counts halved and built again whenever it grows too deep. Symbols never
// used get no code (length 0).
std::vector<int> CodeLengths(std::vector<std::uint64_t> counts, int limit) {
  const std::size_t n = counts.size();
  std::vector<int> lengths(n);
  for (;;) {
    // Nodes: the symbols, then the inner nodes, each with its parent.
    std::vector<std::uint64_t> weight;
    std::vector<int> parent;
    using Entry = std::pair<std::uint64_t, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    for (std::size_t i = 0; i < n; ++i) {
      weight.push_back(counts[i]);
      parent.push_back(-1);
      if (counts[i] > 0) queue.push({counts[i], static_cast<int>(i)});
    }
    // A code needs two symbols at least.
    for (std::size_t i = 0; queue.size() < 2 && i < n; ++i) {
      if (counts[i] == 0) queue.push({0, static_cast<int>(i)}), counts[i] = 1;
    }
    while (queue.size() > 1) {
      const auto [w1, a] = queue.top();
      queue.pop();
      const auto [w2, b] = queue.top();
      queue.pop();
      const int node = static_cast<int>(weight.size());
      weight.push_back(w1 + w2);
      parent.push_back(-1);
      parent[static_cast<std::size_t>(a)] = parent[static_cast<std::size_t>(b)] = node;
      queue.push({w1 + w2, node});
    }
    int deepest = 0;
    for (std::size_t i = 0; i < n; ++i) {
      int depth = 0;
      if (counts[i] > 0) {
        for (int k = static_cast<int>(i); parent[static_cast<std::size_t>(k)] >= 0; k = parent[static_cast<std::size_t>(k)]) ++depth;
      }
      lengths[i] = depth;
      deepest = std::max(deepest, depth);
    }
    if (deepest <= limit) return lengths;
    for (std::uint64_t& c : counts) c = c == 0 ? 0 : (c + 1) / 2;
  }
}

// The canonical codes of the lengths (RFC 1951, 3.2.2), bit-reversed as the stream holds them.
std::vector<std::uint32_t> CanonicalCodes(const std::vector<int>& lengths) {
  int perLength[16] = {};
  for (const int l : lengths) ++perLength[l];
  perLength[0] = 0;
  std::uint32_t next[16] = {};
  std::uint32_t code = 0;
  for (int bits = 1; bits < 16; ++bits) {
    code = (code + static_cast<std::uint32_t>(perLength[bits - 1])) << 1;
    next[bits] = code;
  }
  std::vector<std::uint32_t> codes(lengths.size());
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    const int length = lengths[i];
    if (length == 0) continue;
    const std::uint32_t c = next[length]++;
    std::uint32_t reversed = 0;
    for (int k = 0; k < length; ++k) reversed |= ((c >> k) & 1) << (length - 1 - k);
    codes[i] = reversed;
  }
  return codes;
}

// Deflate (RFC 1950 and 1951) for filtered rows, built for speed: a run of one byte becomes
// that byte and matches at distance 1, anything else literals, in blocks whose Huffman codes
// fit the part of the image they hold. zlib's fastest level takes four times as long over the
// mostly zero bytes of a chart, for files of about the same size. The stream is written as the
// rows come, a block at a time, so its memory stays that of one block whatever the image.
//
// A stream may be made in parts, each by a deflater of its own and joined in order: a part
// refers to no byte of another, and every part but the last ends on a whole byte.
class RunDeflater {
 public:
  explicit RunDeflater(std::string& out) : out_(out) {}

  // Adds the bytes to the stream.
  void Write(const unsigned char* data, std::size_t size) {
    // A token a byte at most; the room is kept from block to block.
    if (capacity_ < used_ + size) {
      capacity_ = std::max(used_ + size, 2 * capacity_);
      auto grown = std::make_unique_for_overwrite<Token[]>(capacity_);
      std::copy(tokens_.get(), tokens_.get() + used_, grown.get());
      tokens_ = std::move(grown);
    }
    Token* token = tokens_.get() + used_;
    const unsigned char* p = data;
    const unsigned char* const end = data + size;
    const unsigned char* literals = p;  // where the bytes not yet checksummed start
    while (p < end) {
      const unsigned char b = *p;
      std::uint32_t four;
      if (end - p < 4 || (std::memcpy(&four, p, 4), four != 0x01010101u * b)) {
        *token++ = {b, 0};
        ++counts_[b];
        ++p;
        continue;
      }
      const unsigned char* q = p + 4;
      // Eight bytes at a time through the long runs.
      const std::uint64_t eight = 0x0101010101010101u * b;
      for (std::uint64_t word; end - q >= 8 && (std::memcpy(&word, q, 8), word == eight);) q += 8;
      while (q < end && *q == b) ++q;
      adler_ = adler32(adler_, literals, static_cast<uInt>(p - literals));
      ChecksumRun(b, static_cast<std::size_t>(q - p));
      literals = q;
      *token++ = {b, 0};
      ++counts_[b];
      std::size_t run = static_cast<std::size_t>(q - p) - 1;
      while (run >= 3) {
        const std::size_t length = run > 258 ? (run - 258 >= 3 ? 258 : run - 3) : run;
        *token++ = Match(length);
        run -= length;
      }
      for (; run > 0; --run) {
        *token++ = {b, 0};
        ++counts_[b];
      }
      p = q;
    }
    adler_ = adler32(adler_, literals, static_cast<uInt>(end - literals));
    used_ = static_cast<std::size_t>(token - tokens_.get());
    if (used_ >= kBlockTokens) EmitBlock(false);
  }

  // The part's last block, the stream's last when the part is, else followed by an empty
  // stored block, which brings the stream to a whole byte. Returns the part's Adler-32.
  uLong Finish(bool last) {
    if (last) {
      EmitBlock(true);
    } else {
      if (used_ > 0) EmitBlock(false);
      Put(0, 3);  // not the last, stored
    }
    if (count_ % 8 != 0) Put(0, 8 - count_ % 8);
    Drain();
    if (!last) out_.append("\x00\x00\xFF\xFF", 4);  // a length of 0, and its complement
    return adler_;
  }

 private:
  static constexpr std::size_t kBlockTokens = std::size_t{1} << 18;
  static constexpr int kEndOfBlock = 256;
  static constexpr int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
  static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                   2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

  struct Token {
    std::uint16_t symbol;
    std::uint16_t extra;
  };

  // A match of 3 to 258 bytes: its length symbol and the extra bits past the symbol's base.
  Token Match(std::size_t length) {
    int code = 28;
    while (kBase[code] > static_cast<int>(length)) --code;
    ++counts_[static_cast<std::size_t>(257 + code)];
    return {static_cast<std::uint16_t>(257 + code),
            static_cast<std::uint16_t>(length - static_cast<std::size_t>(kBase[code]))};
  }

  // Adler-32 over n bytes of value v, in O(1): the sum a grows by n v, and the sum of sums b
  // by n a + v n (n + 1) / 2.
  void ChecksumRun(std::uint64_t v, std::uint64_t n) {
    constexpr std::uint64_t kModulus = 65521;
    std::uint64_t a = adler_ & 0xFFFF;
    std::uint64_t b = adler_ >> 16;
    b = (b + n % kModulus * a + v * (n * (n + 1) / 2 % kModulus)) % kModulus;
    a = (a + n % kModulus * v) % kModulus;
    adler_ = static_cast<uLong>(b << 16 | a);
  }

  // The tokens so far as one block with codes of its own.
  void EmitBlock(bool last) {
    ++counts_[kEndOfBlock];
    const std::vector<int> lengths = CodeLengths(counts_, 15);
    const std::vector<std::uint32_t> codes = CanonicalCodes(lengths);

    Put(last ? 1 : 0, 1);
    Put(2, 2);  // with codes of its own
    // Every length symbol is counted; the distance code is one, of one bit, for distance 1.
    // Code lengths are written as themselves (no repeat codes), in a code of their own.
    std::vector<std::uint64_t> lengthCounts(19);
    for (const int l : lengths) ++lengthCounts[static_cast<std::size_t>(l)];
    ++lengthCounts[1];
    const std::vector<int> lengthLengths = CodeLengths(lengthCounts, 7);
    const std::vector<std::uint32_t> lengthCodes = CanonicalCodes(lengthLengths);
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    Put(286 - 257, 5);  // HLIT
    Put(0, 5);          // HDIST: one distance code
    Put(19 - 4, 4);     // HCLEN
    for (const int symbol : kOrder) Put(static_cast<std::uint32_t>(lengthLengths[static_cast<std::size_t>(symbol)]), 3);
    for (const int l : lengths) {
      Put(lengthCodes[static_cast<std::size_t>(l)], lengthLengths[static_cast<std::size_t>(l)]);
    }
    Put(lengthCodes[1], lengthLengths[1]);

    // A symbol's code, and for a length its extra bits and the one-bit distance, in one go:
    // at most 15 + 5 + 1 bits.
    std::uint32_t symbolCode[286];
    int symbolBits[286];
    for (std::size_t i = 0; i < 286; ++i) {
      symbolCode[i] = codes[i];
      symbolBits[i] = lengths[i];
    }
    // Room for every token at its longest, written through a pointer four bytes at a time.
    const std::size_t room = (used_ + 1) * 21 / 8 + 8;
    if (codeRoom_ < room) {
      codeRoom_ = std::max(room, 2 * codeRoom_);
      codeBytes_ = std::make_unique_for_overwrite<char[]>(codeRoom_);
    }
    char* at = codeBytes_.get();
    std::uint64_t bits = bits_;
    int count = count_;
    const auto put = [&](std::uint32_t code, int length) {
      bits |= static_cast<std::uint64_t>(code) << count;
      count += length;
      if (count >= 32) {
        const auto low = static_cast<std::uint32_t>(bits);
        const char four[4] = {static_cast<char>(low), static_cast<char>(low >> 8), static_cast<char>(low >> 16),
                              static_cast<char>(low >> 24)};
        std::memcpy(at, four, 4);
        at += 4;
        bits >>= 32;
        count -= 32;
      }
    };
    for (const Token* token = tokens_.get(); token != tokens_.get() + used_; ++token) {
      std::uint32_t code = symbolCode[token->symbol];
      int length = symbolBits[token->symbol];
      if (token->symbol > kEndOfBlock) {
        code |= static_cast<std::uint32_t>(token->extra) << length;
        length += kExtra[token->symbol - 257] + 1;  // the distance code, 0, follows the extra bits
      }
      put(code, length);
    }
    put(symbolCode[kEndOfBlock], symbolBits[kEndOfBlock]);
    out_.append(codeBytes_.get(), static_cast<std::size_t>(at - codeBytes_.get()));
    bits_ = bits;
    count_ = count;
    used_ = 0;
    counts_.assign(counts_.size(), 0);
  }

  // Bits, least significant first.
  void Put(std::uint32_t bits, int length) {
    bits_ |= static_cast<std::uint64_t>(bits) << count_;
    count_ += length;
    if (count_ >= 32) {
      char four[4] = {static_cast<char>(bits_), static_cast<char>(bits_ >> 8), static_cast<char>(bits_ >> 16),
                      static_cast<char>(bits_ >> 24)};
      out_.append(four, 4);
      bits_ >>= 32;
      count_ -= 32;
    }
  }
  void Drain() {
    while (count_ >= 8) {
      out_ += static_cast<char>(bits_ & 0xFF);
      bits_ >>= 8;
      count_ -= 8;
    }
  }

  std::string& out_;
  std::unique_ptr<Token[]> tokens_;
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
  std::unique_ptr<char[]> codeBytes_;  // a block's codes before they join the stream
  std::size_t codeRoom_ = 0;
  std::vector<std::uint64_t> counts_ = std::vector<std::uint64_t>(286);
  std::uint64_t bits_ = 0;
  int count_ = 0;
  uLong adler_ = adler32(0, nullptr, 0);
};

// What a part of the rows came to: its deflated blocks, and the Adler-32 and count of the bytes
// it deflated.
struct DeflatedRows {
  std::string blocks;
  uLong adler = 0;
  std::size_t length = 0;
};

// Rows [first, last), each behind its filter byte (Up, but None for the image's first row),
// deflated as a part of the stream. A row the same as the one above, as most rows of a chart
// are, is all zeros after Up.
DeflatedRows CompressRows(const unsigned char* pixels, int width, int stride, int first, int last, bool lastPart) {
  const std::size_t rowBytes = 1 + 3 * static_cast<std::size_t>(width);
  const std::size_t sourceBytes = 4 * static_cast<std::size_t>(width);
  std::vector<unsigned char> filtered(rowBytes), same(rowBytes), none(sourceBytes);
  same[0] = 2;
  DeflatedRows part;
  RunDeflater deflater(part.blocks);
  for (int y = first; y < last; ++y) {
    const unsigned char* source = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
    const unsigned char* above = y > 0 ? source - stride : none.data();
    if (y > 0 && std::memcmp(source, above, sourceBytes) == 0) {
      deflater.Write(same.data(), rowBytes);
      continue;
    }
    filtered[0] = y > 0 ? 2 : 0;
    unsigned char* f = filtered.data() + 1;
    for (std::size_t x = 0; x < sourceBytes; x += 4) {
      std::uint32_t pixel, up;
      std::memcpy(&pixel, source + x, 4);
      std::memcpy(&up, above + x, 4);
      *f++ = static_cast<unsigned char>((pixel >> 16) - (up >> 16));
      *f++ = static_cast<unsigned char>((pixel >> 8) - (up >> 8));
      *f++ = static_cast<unsigned char>(pixel - up);
    }
    deflater.Write(filtered.data(), rowBytes);
  }
  part.adler = deflater.Finish(lastPart);
  part.length = rowBytes * static_cast<std::size_t>(last - first);
  return part;
}

// The zlib stream of the rows, in two parts, upper and lower, the lower one deflated in a
// second thread when threads allow. The parts are made either way, so the bytes are the same.
void CompressImage(const unsigned char* pixels, int width, int height, int stride, int threads, std::string& out) {
  const int middle = height / 2;
  DeflatedRows lower;
  std::jthread helper;  // joined however the compressing here ends
  const auto compressLower = [&] { lower = CompressRows(pixels, width, stride, middle, height, true); };
  if (threads >= 2 && middle > 0) {
    try {
      helper = std::jthread(compressLower);
    } catch (const std::system_error&) {
      // No thread to be had: the lower part follows the upper one here.
    }
  }
  const DeflatedRows upper = CompressRows(pixels, width, stride, 0, middle, false);
  if (helper.joinable()) {
    helper.join();
  } else {
    compressLower();
  }
  out += "\x78\x01";  // deflate, 32K window, fastest
  out += upper.blocks;
  out += lower.blocks;
  PutUint32(out, static_cast<std::uint32_t>(
                     adler32_combine(upper.adler, lower.adler, static_cast<z_off_t>(lower.length))));
}

}  // namespace

std::string EncodePng(const unsigned char* pixels, int width, int height, int stride, int dpi,
                      const std::vector<PngText>& texts, int threads) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  PutUint32(header, static_cast<std::uint32_t>(width));
  PutUint32(header, static_cast<std::uint32_t>(height));
  header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, not interlaced
  PutChunk(png, "IHDR", header);

  std::string physical;
  const auto perMetre = static_cast<std::uint32_t>(std::lround(dpi / 0.0254));
  PutUint32(physical, perMetre);
  PutUint32(physical, perMetre);
  physical += '\x01';  // the unit is the metre
  PutChunk(png, "pHYs", physical);

  for (const PngText& text : texts) PutText(png, text);
  // The image data deflated straight into its chunk, whose length is known at the end.
  const std::size_t idat = png.size();
  PutUint32(png, 0);
  png += "IDAT";
  CompressImage(pixels, width, height, stride, threads, png);
  const std::size_t length = png.size() - idat - 8;
  for (int i = 0; i < 4; ++i) png[idat + static_cast<std::size_t>(i)] = static_cast<char>(length >> (24 - 8 * i));
  const auto* typeAndData = reinterpret_cast<const Bytef*>(png.data() + idat + 4);
  PutUint32(png, static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), typeAndData, static_cast<uInt>(length + 4))));
  PutChunk(png, "IEND", "");
  return png;
}

}  // namespace corvane
