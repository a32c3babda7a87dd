#include "platform/gui/RtfReader.h"

#include <QColor>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qx {

namespace {

enum class Destination { Text, FontTable, ColorTable, Skip };

struct State
{
    Destination destination = Destination::Text;
    QTextCharFormat chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    int font = -1;
    int unicodeSkip = 1;
};

struct FontEntry
{
    QString name;
    int charset = 0;
};

const char* codecForCharset(int charset)
{
    switch (charset) {
    case 134: return "GBK";
    case 136: return "Big5";
    case 128: return "Shift_JIS";
    case 129: return "EUC-KR";
    default: return "windows-1252";
    }
}

class Parser
{
public:
    Parser(std::string_view rtf, QTextDocument& document) : in_(rtf), cursor_(&document) {}

    void run()
    {
        cursor_.document()->clear();
        cursor_ = QTextCursor(cursor_.document());
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                flushBytes();
                stack_.push_back(state_);
                destinationPending_ = true;
            } else if (c == '}') {
                flushBytes();
                endGroup();
                if (stack_.empty())
                    break;
                state_ = stack_.back();
                stack_.pop_back();
            } else if (c == '\\') {
                controlWord();
            } else if (c != '\r' && c != '\n') {
                byte(static_cast<unsigned char>(c));
            }
        }
        flushBytes();
    }

private:
    void controlWord()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (c != '\'')
            flushBytes(); // text so far keeps the format it was written in
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        std::string word;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])))
            word += in_[pos_++];
        std::optional<int> param;
        const std::size_t numberStart = pos_;
        if (pos_ < in_.size() && (in_[pos_] == '-' || std::isdigit(static_cast<unsigned char>(in_[pos_])))) {
            ++pos_;
            while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_])))
                ++pos_;
            try {
                param = std::stoi(std::string(in_.substr(numberStart, pos_ - numberStart)));
            } catch (const std::exception&) {
                param = 0; // a lone "-" or an out-of-range number counts as 0
            }
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        applyWord(word, param);
        destinationPending_ = false;
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            if (pos_ + 2 > in_.size()) {
                pos_ = in_.size();
                return;
            }
            const std::string hex(in_.substr(pos_, 2));
            pos_ += 2;
            char* end = nullptr;
            const long value = std::strtol(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 2)
                byte(static_cast<unsigned char>(value));
            break;
        }
        case '*':
            if (destinationPending_)
                state_.destination = Destination::Skip;
            break;
        case '~': text(QString(QChar(0x00A0))); break;
        case '_': text(QStringLiteral("-")); break;
        case '\\':
        case '{':
        case '}': byte(static_cast<unsigned char>(c)); break;
        case '\n':
        case '\r': paragraph(); break;
        default: break; // optional hyphen and other symbols draw nothing
        }
        destinationPending_ = false;
    }

    void applyWord(const std::string& w, std::optional<int> param)
    {
        const int p = param.value_or(1);
        static const std::map<std::string, Destination> destinations = {
            {"fonttbl", Destination::FontTable}, {"colortbl", Destination::ColorTable},
            {"stylesheet", Destination::Skip}, {"info", Destination::Skip}, {"pict", Destination::Skip},
            {"header", Destination::Skip}, {"footer", Destination::Skip}, {"object", Destination::Skip},
            {"listtable", Destination::Skip}, {"listoverridetable", Destination::Skip},
            {"rsidtbl", Destination::Skip}, {"generator", Destination::Skip}, {"xmlnstbl", Destination::Skip},
            {"themedata", Destination::Skip}, {"latentstyles", Destination::Skip}, {"fldinst", Destination::Skip}};
        if (const auto d = destinations.find(w); d != destinations.end()) {
            state_.destination = d->second;
            return;
        }
        if (state_.destination == Destination::FontTable) {
            fontTableWord(w, p);
            return;
        }
        if (state_.destination == Destination::ColorTable) {
            colorTableWord(w, p);
            return;
        }
        if (state_.destination == Destination::Skip)
            return;
        textWord(w, param, p);
    }

    void textWord(const std::string& w, std::optional<int> param, int p)
    {
        QTextCharFormat& f = state_.chars;
        if (w == "par") paragraph();
        else if (w == "line") text(QString(QChar::LineSeparator));
        else if (w == "tab") text(QStringLiteral("\t"));
        else if (w == "pard") state_.alignment = Qt::AlignLeft;
        else if (w == "plain") { f = QTextCharFormat(); state_.font = -1; }
        else if (w == "ql") state_.alignment = Qt::AlignLeft;
        else if (w == "qr") state_.alignment = Qt::AlignRight;
        else if (w == "qc") state_.alignment = Qt::AlignHCenter;
        else if (w == "qj") state_.alignment = Qt::AlignJustify;
        else if (w == "b") f.setFontWeight(p ? QFont::Bold : QFont::Normal);
        else if (w == "i") f.setFontItalic(p != 0);
        else if (w == "ul") f.setFontUnderline(p != 0);
        else if (w == "ulnone") f.setFontUnderline(false);
        else if (w == "strike") f.setFontStrikeOut(p != 0);
        else if (w == "fs" && p > 0) f.setFontPointSize(p / 2.0);
        else if (w == "f") setFont(p);
        else if (w == "cf") setColor(p, false);
        else if (w == "highlight" || w == "cb") setColor(p, true);
        else if (w == "ansicpg") ansiCodec_ = "windows-" + std::to_string(p);
        else if (w == "uc") state_.unicodeSkip = p;
        else if (w == "u" && param) unicode(*param);
    }

    void fontTableWord(const std::string& w, int p)
    {
        if (w == "f") {
            tableFont_ = p;
            fonts_[p];
        } else if (w == "fcharset") {
            fonts_[tableFont_].charset = p;
        }
    }

    void colorTableWord(const std::string& w, int p)
    {
        const int v = std::clamp(p, 0, 255);
        if (w == "red") tableColor_.setRed(v);
        else if (w == "green") tableColor_.setGreen(v);
        else if (w == "blue") tableColor_.setBlue(v);
    }

    void setFont(int index)
    {
        state_.font = index;
        const auto it = fonts_.find(index);
        if (it != fonts_.end() && !it->second.name.isEmpty())
            state_.chars.setFontFamilies({it->second.name});
    }

    void setColor(int index, bool background)
    {
        if (index <= 0 || index >= static_cast<int>(colors_.size())) {
            background ? state_.chars.clearBackground() : state_.chars.clearForeground();
            return; // entry 0 is the automatic colour
        }
        if (background)
            state_.chars.setBackground(colors_[index]);
        else
            state_.chars.setForeground(colors_[index]);
    }

    void unicode(int value)
    {
        flushBytes();
        const char16_t unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
        text(QString(QChar(unit)));
        // The replacement characters for readers without Unicode follow; skip them.
        for (int skip = state_.unicodeSkip; skip > 0 && pos_ < in_.size(); --skip) {
            if (in_[pos_] == '\\' && pos_ + 1 < in_.size() && in_[pos_ + 1] == '\'')
                pos_ += std::min<std::size_t>(4, in_.size() - pos_);
            else if (in_[pos_] == '{' || in_[pos_] == '}' || in_[pos_] == '\\')
                break;
            else
                ++pos_;
        }
    }

    void byte(unsigned char b)
    {
        if (state_.destination == Destination::Skip || state_.destination == Destination::ColorTable) {
            if (state_.destination == Destination::ColorTable && b == ';') {
                colors_.push_back(tableColor_);
                tableColor_ = QColor(0, 0, 0);
            }
            return;
        }
        pendingBytes_ += static_cast<char>(b);
    }

    void flushBytes()
    {
        if (pendingBytes_.empty())
            return;
        const std::string bytes = std::move(pendingBytes_);
        pendingBytes_.clear();
        const QString decoded = decode(bytes);
        if (state_.destination == Destination::FontTable) {
            QString name = decoded.trimmed();
            if (name.endsWith(';'))
                name.chop(1);
            if (!name.isEmpty())
                fonts_[tableFont_].name = name;
            return;
        }
        text(decoded);
    }

    QString decode(const std::string& bytes) const
    {
        std::string codec = ansiCodec_;
        if (const auto it = fonts_.find(state_.font); it != fonts_.end() && it->second.charset != 0)
            codec = codecForCharset(it->second.charset);
        QStringDecoder decoder(codec.c_str());
        if (!decoder.isValid())
            return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }

    void text(const QString& s)
    {
        if (state_.destination != Destination::Text)
            return;
        applyAlignment();
        cursor_.insertText(s, state_.chars);
    }

    void paragraph()
    {
        flushBytes();
        if (state_.destination != Destination::Text)
            return;
        applyAlignment();
        cursor_.insertBlock();
    }

    void applyAlignment()
    {
        QTextBlockFormat block = cursor_.blockFormat();
        if (block.alignment() != state_.alignment) {
            block.setAlignment(state_.alignment);
            cursor_.setBlockFormat(block);
        }
    }

    void endGroup()
    {
        if (state_.destination == Destination::FontTable)
            flushBytes();
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    QTextCursor cursor_;
    State state_;
    std::vector<State> stack_;
    bool destinationPending_ = false;
    std::string pendingBytes_;
    std::string ansiCodec_ = "windows-1252";
    std::map<int, FontEntry> fonts_;
    int tableFont_ = 0;
    std::vector<QColor> colors_;
    QColor tableColor_{0, 0, 0};
};

} // namespace

void RtfReader::read(std::string_view rtf, QTextDocument& document)
{
    Parser(rtf, document).run();
}

} // namespace qx
