#include "platform/gui/LayoutParser.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace qx {

LayoutError::LayoutError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message), file_(file), line_(line)
{
}

namespace {

enum class Tok { End, Ident, Integer, Float, String, Symbol, Newline };

struct Token
{
    Tok kind = Tok::End;
    std::string text;
    std::int64_t integer = 0;
    double real = 0;
    int line = 1;
};

class Lexer
{
public:
    Lexer(std::string_view text, const std::string& file) : text_(text), file_(file) {}

    Token next()
    {
        skipBlanks();
        Token t;
        t.line = line_;
        if (pos_ >= text_.size())
            return t;
        const char c = text_[pos_];
        if (c == '\n') {
            ++pos_;
            ++line_;
            t.kind = Tok::Newline;
            return t;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_')
            return identifier(t);
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '$')
            return number(t);
        if (c == '"')
            return string(t);
        if (std::string_view("=:[](),<>+").find(c) != std::string_view::npos) {
            ++pos_;
            t.kind = Tok::Symbol;
            t.text = std::string(1, c);
            return t;
        }
        fail(std::string("unexpected character '") + c + "'");
    }

    [[noreturn]] void fail(const std::string& message) const { throw LayoutError(file_, line_, message); }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\r')
                ++pos_;
            else if (c == '#')
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            else
                break;
        }
    }

    Token identifier(Token& t)
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_' || text_[pos_] == '.'))
            ++pos_;
        t.kind = Tok::Ident;
        t.text = std::string(text_.substr(start, pos_ - start));
        return t;
    }

    Token number(Token& t)
    {
        const std::size_t start = pos_;
        bool negative = false;
        if (text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (text_.substr(pos_, 1) == "$") {
            base = 16;
            ++pos_;
        } else if (text_.substr(pos_, 2) == "0x" || text_.substr(pos_, 2) == "0X") {
            base = 16;
            pos_ += 2;
        }
        const std::size_t digits = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.' ||
                                       ((text_[pos_] == '-' || text_[pos_] == '+') &&
                                        (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E') && base == 10)))
            ++pos_;
        const std::string_view body = text_.substr(digits, pos_ - digits);
        if (body.empty())
            fail("number expected after '" + std::string(text_.substr(start, pos_ - start)) + "'");
        if (base == 10 && body.find_first_of(".eE") != std::string_view::npos) {
            const std::string s(text_.substr(start, pos_ - start));
            char* end = nullptr;
            t.real = std::strtod(s.c_str(), &end);
            if (end != s.c_str() + s.size())
                fail("invalid number " + s);
            t.kind = Tok::Float;
            return t;
        }
        std::uint64_t magnitude = 0;
        auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), magnitude, base);
        if (ec != std::errc() || ptr != body.data() + body.size() ||
            magnitude > (negative ? std::uint64_t{1} << 63 : std::uint64_t{INT64_MAX}))
            fail("invalid number " + std::string(text_.substr(start, pos_ - start)));
        t.integer = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
        t.kind = Tok::Integer;
        return t;
    }

    Token string(Token& t)
    {
        ++pos_;
        t.kind = Tok::String;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n')
                fail("string not closed");
            const char c = text_[pos_++];
            if (c == '"')
                return t;
            if (c != '\\') {
                t.text += c;
                continue;
            }
            if (pos_ >= text_.size())
                fail("string not closed");
            const char e = text_[pos_++];
            switch (e) {
            case 'n': t.text += '\n'; break;
            case 't': t.text += '\t'; break;
            case 'r': t.text += '\r'; break;
            case '"': t.text += '"'; break;
            case '\\': t.text += '\\'; break;
            case 'x': {
                unsigned value = 0;
                const std::string_view hex = text_.substr(pos_, 2);
                auto [ptr, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
                if (ec != std::errc() || ptr != hex.data() + 2)
                    fail("\\x needs two hex digits");
                pos_ += 2;
                t.text += static_cast<char>(value);
                break;
            }
            default: fail(std::string("unknown escape \\") + e);
            }
        }
    }

    std::string_view text_;
    const std::string& file_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class Parser
{
public:
    Parser(std::string_view text, const std::string& file) : lexer_(text, file), file_(file) { advance(); }

    LayoutObject document()
    {
        skipNewlines();
        LayoutObject root = object();
        skipNewlines();
        if (tok_.kind != Tok::End)
            fail("text after the end of the top object");
        return root;
    }

private:
    void advance() { tok_ = lexer_.next(); }
    [[noreturn]] void fail(const std::string& message) const { throw LayoutError(fileOf(), tok_.line, message); }
    const std::string& fileOf() const { return file_; }

    bool isSymbol(char c) const { return tok_.kind == Tok::Symbol && tok_.text[0] == c; }
    bool isWord(std::string_view w) const { return tok_.kind == Tok::Ident && tok_.text == w; }
    void skipNewlines()
    {
        while (tok_.kind == Tok::Newline)
            advance();
    }
    void expectSymbol(char c)
    {
        if (!isSymbol(c))
            fail(std::string("'") + c + "' expected");
        advance();
    }
    void endOfLine()
    {
        if (tok_.kind != Tok::Newline && tok_.kind != Tok::End)
            fail("end of line expected");
        skipNewlines();
    }
    std::string name(const char* what)
    {
        if (tok_.kind != Tok::Ident || tok_.text.find('.') != std::string::npos)
            fail(std::string(what) + " expected");
        std::string n = tok_.text;
        advance();
        return n;
    }

    LayoutObject object()
    {
        if (!isWord("object"))
            fail("'object' expected");
        // Windows nest a handful of levels; a deeper file is damaged.
        if (++depth_ > kMaxDepth)
            fail("objects nested more than " + std::to_string(kMaxDepth) + " deep");
        LayoutObject obj;
        obj.line = tok_.line;
        advance();
        // A component written without a name ("object : TClass") stands only at the top.
        if (!(depth_ == 1 && isSymbol(':')))
            obj.name = name("object name");
        expectSymbol(':');
        obj.className = name("class name");
        endOfLine();
        body(obj, "end");
        --depth_;
        return obj;
    }

    // Properties and nested objects up to the closing word.
    void body(LayoutObject& obj, std::string_view closing)
    {
        while (true) {
            if (tok_.kind == Tok::End) {
                std::string message = "'";
                message.append(closing).append("' expected");
                if (!obj.name.empty())
                    message.append(" for ").append(obj.name);
                fail(message);
            }
            if (isWord(closing)) {
                advance();
                endOfLine();
                return;
            }
            if (isWord("object")) {
                obj.children.push_back(object());
                continue;
            }
            obj.properties.push_back(property());
        }
    }

    LayoutProperty property()
    {
        LayoutProperty p;
        p.line = tok_.line;
        if (tok_.kind != Tok::Ident)
            fail("property name expected");
        p.name = tok_.text;
        advance();
        expectSymbol('=');
        if (isSymbol('<')) {
            advance();
            p.isCollection = true;
            skipNewlines();
            while (isWord("item")) {
                LayoutObject item;
                item.line = tok_.line;
                advance();
                endOfLine();
                body(item, "end");
                p.items.push_back(std::move(item));
            }
            expectSymbol('>');
            endOfLine();
            return p;
        }
        p.value = value();
        endOfLine();
        return p;
    }

    PropertyValue value()
    {
        switch (tok_.kind) {
        case Tok::Integer: {
            const std::int64_t v = tok_.integer;
            advance();
            return v;
        }
        case Tok::Float: {
            const double v = tok_.real;
            advance();
            return v;
        }
        case Tok::String:
            return joinedString();
        case Tok::Ident: {
            const std::string word = tok_.text;
            advance();
            if (word == "True" || word == "False")
                return word == "True";
            return Ident{word};
        }
        default:
            break;
        }
        if (isSymbol('['))
            return set();
        if (isSymbol('('))
            return list();
        fail("value expected");
    }

    std::string joinedString()
    {
        std::string s = tok_.text;
        advance();
        while (isSymbol('+')) {
            advance();
            skipNewlines();
            if (tok_.kind != Tok::String)
                fail("string expected after '+'");
            s += tok_.text;
            advance();
        }
        return s;
    }

    IdentSet set()
    {
        advance();
        IdentSet s;
        while (!isSymbol(']')) {
            s.names.push_back(name("set member"));
            if (isSymbol(','))
                advance();
            else if (!isSymbol(']'))
                fail("',' or ']' expected");
        }
        advance();
        return s;
    }

    StringLines list()
    {
        advance();
        StringLines l;
        skipNewlines();
        while (!isSymbol(')')) {
            if (tok_.kind != Tok::String)
                fail("string expected in list");
            l.lines.push_back(joinedString());
            if (isSymbol(','))
                advance();
            skipNewlines();
        }
        advance();
        return l;
    }

    static constexpr int kMaxDepth = 64;

    Lexer lexer_;
    std::string file_;
    Token tok_;
    int depth_ = 0;
};

} // namespace

LayoutObject parseLayout(std::string_view text, const std::string& file)
{
    return Parser(text, file).document();
}

} // namespace qx
