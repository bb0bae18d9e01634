#include "settings/SourceStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <stdexcept>

namespace glimmora {

namespace {

// A name, optionally "[]" or "[n]", an equals sign and an opening quote.
const QRegularExpression& Assignment()
{
    static const QRegularExpression pattern(R"(([A-Za-z_]\w*)\s*(?:\[\s*\w*\s*\])?\s*=\s*")");
    return pattern;
}

bool IsComment(const QString& line) { return line.startsWith("//") || line.startsWith("/*") || line.startsWith('*'); }

// The texts of the string literals from `from` on, up to a ";" outside of
// them, unescaped and joined.
QString LiteralText(const QString& line, qsizetype from)
{
    QString text;
    bool inside = false;
    for (qsizetype i = from; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!inside) {
            if (c == '"') inside = true;
            else if (c == ';') break;
            continue;
        }
        if (c == '"') {
            inside = false;
        } else if (c == '\\' && i + 1 < line.size()) {
            const QChar next = line[++i];
            if (next == 'n') text += '\n';
            else if (next == 'r') text += '\r';
            else if (next == 't') text += '\t';
            else if (next == '"' || next == '\\' || next == '\'') text += next;
            else text += QString('\\') + next;
        } else {
            text += c;
        }
    }
    static const QRegularExpression breaks("[\\r\\n\\t]+");
    return text.replace(breaks, "*|*");
}

}  // namespace

std::vector<SourceString> CollectSourceStrings(const QStringList& lines)
{
    // The collected lines; a line that starts with a quote goes on the one before.
    QStringList joined;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || IsComment(line)) continue;
        if (line.startsWith('"')) {
            if (!joined.isEmpty() && !joined.last().endsWith(';')) joined.last() += ' ' + line;
        } else if (Assignment().match(line).hasMatch()) {
            joined.append(line);
        }
    }
    std::vector<SourceString> strings;
    for (const QString& line : joined) {
        const QRegularExpressionMatch match = Assignment().match(line);
        strings.emplace_back(match.captured(1), LiteralText(line, match.capturedEnd(0) - 1));
    }
    return strings;
}

void CollectSourceFolder(const std::filesystem::path& folder, const QString& skipBaseName,
                         std::vector<SourceString>& collected)
{
    const QDir dir(QString::fromStdString(folder.string()));
    for (const QFileInfo& info : dir.entryInfoList({"*.cpp", "*.h"}, QDir::Files | QDir::Hidden, QDir::Name)) {
        if (info.completeBaseName() == skipBaseName) continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(info.filePath().toStdString() + ": " + file.errorString().toStdString());
        const QString text = QString::fromUtf8(file.readAll());
        const std::vector<SourceString> found = CollectSourceStrings(text.split('\n'));
        collected.insert(collected.end(), found.begin(), found.end());
    }
}

}  // namespace glimmora
