#include "document/TextEncoding.h"

#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace glimmora {

namespace {

std::string Normalised(std::string_view name)
{
    std::string out;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The name iconv reads a declared character set by.
std::string ReadingName(const std::string& charset)
{
    const std::string name = Normalised(charset);
    if (name == "GB2312" || name == "EUCCN" || name == "CSGB2312")
        return "GBK";
    return charset;
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter()
    {
        if (Ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; on failure the offset of the input byte that did
    // not convert. A conversion that iconv calls irreversible fails too.
    std::optional<std::size_t> Run(std::string_view in, std::string& out)
    {
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[16384];
        while (inLeft > 0) {
            const std::size_t before = inLeft;
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result == kFailed && error != E2BIG)
                return in.size() - inLeft;  // EILSEQ: no such character; EINVAL: cut short
            if (result != kFailed && result > 0)
                return in.size() - before;
        }
        // The end of a stateful encoding's shift sequence.
        for (;;) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result != kFailed)
                return std::nullopt;
            if (error != E2BIG)
                return in.size();
        }
    }

private:
    static constexpr std::size_t kFailed = static_cast<std::size_t>(-1);
    iconv_t cd_;
};

}  // namespace

bool IsUnicodeName(std::string_view name)
{
    const std::string n = Normalised(name);
    return n.rfind("UTF", 0) == 0 || n.rfind("UCS", 0) == 0;
}

bool IsUtf8Name(std::string_view name)
{
    return Normalised(name) == "UTF8";
}

// The names a declaration may carry: a letter, then letters, digits, ".", "_"
// and "-". iconv reads other spellings too, which a saved file could not declare.
bool IsEncodingName(std::string_view name)
{
    if (name.empty() || !std::isalpha(static_cast<unsigned char>(name.front()))) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_' && c != '-') return false;
    return true;
}

bool CharsetKnown(const std::string& charset)
{
    return IsEncodingName(charset) && Converter("UTF-8", ReadingName(charset)).Ok() && Converter(charset, "UTF-8").Ok();
}

DecodedText DecodeToUtf8(std::string_view bytes, const std::string& charset)
{
    DecodedText decoded;
    Converter converter("UTF-8", ReadingName(charset));
    if (!converter.Ok()) {
        decoded.badByte = 0;
        return decoded;
    }
    decoded.utf8.reserve(bytes.size() + bytes.size() / 2);
    decoded.badByte = converter.Run(bytes, decoded.utf8);
    return decoded;
}

std::optional<std::string> EncodeFromUtf8(std::string_view text, const std::string& charset)
{
    Converter converter(charset, "UTF-8");
    if (!converter.Ok())
        return std::nullopt;
    std::string out;
    out.reserve(text.size());
    if (converter.Run(text, out))
        return std::nullopt;
    // Only what reads back as the same text is kept.
    const DecodedText back = DecodeToUtf8(out, charset);
    if (back.badByte || back.utf8 != text)
        return std::nullopt;
    return out;
}

}  // namespace glimmora
