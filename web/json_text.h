#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace level::web {

// JSON written as it goes: objects and arrays, each member named (or not,
// inside an array), texts escaped; enough for the tables the page reads.
class JsonText {
public:
    void BeginObject(std::string_view name = {}) { Begin(name, '{'); }
    void BeginArray(std::string_view name = {}) { Begin(name, '['); }
    void End()
    {
        out_ += closers_.back();
        closers_.pop_back();
    }
    void Text(std::string_view name, std::string_view text)
    {
        Name(name);
        Quote(text);
    }
    void Number(std::string_view name, int number)
    {
        Name(name);
        out_ += std::to_string(number);
    }
    void Boolean(std::string_view name, bool value)
    {
        Name(name);
        out_ += value ? "true" : "false";
    }
    [[nodiscard]] std::string Take() { return std::move(out_); }

private:
    void Begin(std::string_view name, char opener)
    {
        Name(name);
        out_ += opener;
        closers_.push_back(opener == '{' ? '}' : ']');
    }
    // A comma before every member but a container's first, then its name.
    void Name(std::string_view name)
    {
        if (!out_.empty() && out_.back() != '{' && out_.back() != '[') {
            out_ += ',';
        }
        if (!name.empty()) {
            Quote(name);
            out_ += ':';
        }
    }
    void Quote(std::string_view text)
    {
        static constexpr char kHex[] = "0123456789abcdef";
        out_ += '"';
        for (const char character : text) {
            const auto code = static_cast<unsigned char>(character);
            if (character == '"' || character == '\\') {
                out_ += '\\';
                out_ += character;
            } else if (code < 0x20) {
                out_ += "\\u00";
                out_ += kHex[code >> 4];
                out_ += kHex[code & 0xF];
            } else {
                out_ += character;
            }
        }
        out_ += '"';
    }

    std::string out_;
    std::vector<char> closers_;
};

}  // namespace level::web
