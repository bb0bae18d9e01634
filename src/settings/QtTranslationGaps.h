#pragma once
// The few texts of Qt's file dialog that Qt's own Chinese translation leaves
// in English: the type names of folders, drives and shortcuts in the file
// list (context "QAbstractFileIconProvider"). Installed beside Qt's
// translation while the interface is in Chinese.

#include <QTranslator>

namespace glimmora {

class QtTranslationGaps : public QTranslator {
public:
    explicit QtTranslationGaps(QString locale) : locale_(std::move(locale)) {}

    bool isEmpty() const override { return locale_ != "zh_CN"; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;

private:
    QString locale_;
};

}  // namespace glimmora
