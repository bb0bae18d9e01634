#pragma once
// The sound editor as the sound adapter sees it: the chosen file's name.

#include <string>

namespace glimmora {

class ISoundEditor {
public:
    virtual ~ISoundEditor() = default;
    virtual std::string Content() const = 0;
    virtual void SetContent(const std::string& text) = 0;
};

}  // namespace glimmora
