#pragma once
// The picture editor as the picture adapter sees it.

#include "generation/IChoiceList.h"

#include <string>

namespace glimmora {

class IPicEditor {
public:
    virtual ~IPicEditor() = default;
    // Shows the picture in `file`; throws when it cannot be loaded, leaving
    // the image as it was.
    virtual void LoadImage(const std::string& file) = 0;
    virtual void ClearImage() = 0;
    virtual int EditPositionX() const = 0;
    virtual void SetEditPositionX(int pixels) = 0;
    virtual int EditPositionY() const = 0;
    virtual void SetEditPositionY(int pixels) = 0;
    virtual int EditWidth() const = 0;
    virtual void SetEditWidth(int pixels) = 0;
    virtual int EditHeight() const = 0;
    virtual void SetEditHeight(int pixels) = 0;
    // Frame numbers as the editor shows them: document frames plus 1.
    virtual int EditBegin() const = 0;
    virtual void SetEditBegin(int frame) = 0;
    virtual int EditEnd() const = 0;
    virtual void SetEditEnd(int frame) = 0;
    virtual IChoiceList& EffectName() = 0;
};

}  // namespace glimmora
