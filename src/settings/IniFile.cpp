#include "settings/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <iconv.h>
#include <langinfo.h>

#include <stdexcept>

namespace glimmora {

namespace {

QStringList LinesOf(const QString& text)
{
    QStringList lines = text.split('\n');
    for (QString& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

bool IsSectionLine(const QString& trimmed)
{
    return trimmed.size() >= 2 && trimmed.startsWith('[') && trimmed.endsWith(']');
}

QString SectionNameOf(const QString& trimmed) { return trimmed.mid(1, trimmed.size() - 2).trimmed(); }

// The key of a "key=value" line, or an empty text for any other line.
QString KeyOf(const QString& trimmed)
{
    if (trimmed.startsWith(';')) return {};
    const qsizetype equals = trimmed.indexOf('=');
    return equals < 0 ? QString() : trimmed.left(equals).trimmed();
}

// Bytes in the 8-bit encoding of the user's locale. Where that encoding is
// UTF-8 or plain ASCII (so the bytes cannot be in it), they are read as
// Latin-1, which loses no byte.
QString FromLocal8Bit(const QByteArray& bytes)
{
    const QByteArray codeset = nl_langinfo(CODESET);
    const QByteArray upper = codeset.toUpper();
    if (codeset.isEmpty() || upper == "UTF-8" || upper == "UTF8" || upper == "ANSI_X3.4-1968")
        return QString::fromLatin1(bytes);
    const iconv_t converter = iconv_open("UTF-8", codeset.constData());
    if (converter == iconv_t(-1)) return QString::fromLatin1(bytes);
    QByteArray in = bytes;
    QByteArray out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (result == size_t(-1)) return QString::fromLatin1(bytes);
    return QString::fromUtf8(out.constData(), out.size() - qsizetype(outLeft));
}

}  // namespace

QString TIniText::Decode(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    return FromLocal8Bit(body);
}

TIniText TIniText::Parse(const QByteArray& bytes)
{
    TIniText ini;
    Section* current = nullptr;
    for (const QString& line : LinesOf(Decode(bytes))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(';')) continue;
        if (IsSectionLine(trimmed)) {
            const QString name = SectionNameOf(trimmed);
            const QString folded = name.toLower();
            if (!ini.sections_.contains(folded)) {
                ini.sections_.insert(folded, Section{name, {}, {}});
                ini.sectionNames_.append(name);
            }
            current = &ini.sections_[folded];
            continue;
        }
        if (!current) continue;  // before the first section
        const QString key = KeyOf(trimmed);
        if (key.isEmpty()) continue;
        const QString folded = key.toLower();
        if (current->values.contains(folded)) continue;
        current->values.insert(folded, trimmed.mid(trimmed.indexOf('=') + 1).trimmed());
        current->keys.append(key);
    }
    return ini;
}

QString TIniText::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const auto found = sections_.constFind(section.trimmed().toLower());
    if (found == sections_.constEnd()) return fallback;
    return found->values.value(key.trimmed().toLower(), fallback);
}

bool TIniText::HasKey(const QString& section, const QString& key) const
{
    const auto found = sections_.constFind(section.trimmed().toLower());
    return found != sections_.constEnd() && found->values.contains(key.trimmed().toLower());
}

QStringList TIniText::Keys(const QString& section) const
{
    const auto found = sections_.constFind(section.trimmed().toLower());
    return found == sections_.constEnd() ? QStringList() : found->keys;
}

TIniWriter::TIniWriter(std::filesystem::path file) : file_(std::move(file))
{
    QFile existing(QString::fromStdString(file_.string()));
    if (!existing.open(QIODevice::ReadOnly)) return;  // a new file
    QStringList lines = LinesOf(TIniText::Decode(existing.readAll()));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    Section* current = nullptr;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (IsSectionLine(trimmed)) {
            sections_.append(Section{SectionNameOf(trimmed), {}});
            current = &sections_.last();
        } else if (current) {
            current->lines.append(line);
        } else {
            head_.append(line);
        }
    }
}

TIniWriter::Section& TIniWriter::SectionNamed(const QString& name)
{
    for (Section& section : sections_)
        if (section.name.compare(name, Qt::CaseInsensitive) == 0) return section;
    sections_.append(Section{name, {}});
    return sections_.last();
}

void TIniWriter::WriteString(const QString& section, const QString& key, const QString& value)
{
    Section& target = SectionNamed(section);
    for (QString& existing : target.lines) {
        const QString existingKey = KeyOf(existing.trimmed());
        if (existingKey.compare(key, Qt::CaseInsensitive) == 0) {
            existing = existingKey + "=" + value;  // the key as the file spells it
            return;
        }
    }
    // After the section's last key, before the blank lines that end it.
    qsizetype at = target.lines.size();
    while (at > 0 && target.lines[at - 1].trimmed().isEmpty()) --at;
    target.lines.insert(at, key + "=" + value);
}

void TIniWriter::Save() const
{
    QString text;
    for (const QString& line : head_) text += line + "\r\n";
    for (const Section& section : sections_) {
        text += "[" + section.name + "]\r\n";
        for (const QString& line : section.lines) text += line + "\r\n";
    }
    QSaveFile out(QString::fromStdString(file_.string()));
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit())
        throw std::runtime_error("Cannot write " + file_.string() + ": " + out.errorString().toStdString());
}

}  // namespace glimmora
