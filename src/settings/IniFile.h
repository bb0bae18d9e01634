#pragma once
// INI text as the language files use it: "[Section]" lines open a section,
// "key=value" lines (split at the first "=") fill it; blanks around names
// and values do not count, ";" lines, empty lines and lines before the first
// section are ignored. Sections and keys match without regard to letter case;
// the first of two equal keys wins.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace glimmora {

class TIniText {
public:
    // UTF-8 text (a leading byte order mark is dropped); bytes that are not
    // valid UTF-8 are read in the locale's 8-bit encoding, or as Latin-1
    // where the locale's encoding is UTF-8 itself.
    static TIniText Parse(const QByteArray& bytes);
    static QString Decode(const QByteArray& bytes);

    // The value, or `fallback` when the section or the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;
    bool HasKey(const QString& section, const QString& key) const;
    QStringList Sections() const { return sectionNames_; }      // as first written
    QStringList Keys(const QString& section) const;            // as first written

private:
    struct Section {
        QString name;
        QStringList keys;                  // as written, in order
        QHash<QString, QString> values;    // lower-case key -> value
    };
    QHash<QString, Section> sections_;     // lower-case name -> section
    QStringList sectionNames_;
};

// Writes keys into an INI file key by key: a key already in the file (any
// letter case) gets the new value in its place; every other line of the file
// stays as it was. Written as UTF-8.
class TIniWriter {
public:
    explicit TIniWriter(std::filesystem::path file);
    void WriteString(const QString& section, const QString& key, const QString& value);
    // Throws std::runtime_error when the file cannot be written.
    void Save() const;

private:
    struct Section {
        QString name;
        QStringList lines;  // the lines after the section's header
    };
    Section& SectionNamed(const QString& name);

    std::filesystem::path file_;
    QStringList head_;  // lines before the first section
    QList<Section> sections_;
};

}  // namespace glimmora
