#pragma once
// "Convert Swf To Exe": makes a projector of the SWF in SourceSwf under the
// name in TargetExe (empty: the source's name with ".exe"). The main window
// creates one for each use and runs it modally.

#include "tools/ConvertFileForm.h"

namespace glimmora {

class TSwfToExeForm : public ConvertFileForm {
    Q_OBJECT
public:
    // `player`: our standalone player program, copied at the projector's head.
    TSwfToExeForm(QWidget* owner, std::filesystem::path player);

    QLineEdit& SourceSwf() const { return SourceEdit(); }
    QLineEdit& TargetExe() const { return TargetEdit(); }

protected:
    bool Convert(const std::filesystem::path& source, const std::filesystem::path& target) override;

private:
    std::filesystem::path player_;
};

}  // namespace glimmora
