#pragma once
// "Convert Exe To Swf": takes the SWF out of the projector in SourceExe and
// writes it under the name in TargetSwf (empty: the source's name with
// ".swf"). The main window creates one for each use and runs it modally.

#include "tools/ConvertFileForm.h"

namespace glimmora {

class TExeToSwfForm : public ConvertFileForm {
    Q_OBJECT
public:
    explicit TExeToSwfForm(QWidget* owner);

    QLineEdit& SourceExe() const { return SourceEdit(); }
    QLineEdit& TargetSwf() const { return TargetEdit(); }

protected:
    bool Convert(const std::filesystem::path& source, const std::filesystem::path& target) override;
};

}  // namespace glimmora
