#include "app/cli/NewObjects.h"

#include "generation/TFlashPicF.h"
#include "generation/TFlashSoundF.h"
#include "generation/TFlashTextF.h"

#include <memory>
#include <stdexcept>

namespace glimmora::cli {

IXMLObj AddObject(OpenProject& project, const std::string& kind, const std::string& name)
{
    std::unique_ptr<TFlashObj> adapter;
    if (kind == "Text") adapter = std::make_unique<TFlashTextF>();
    else if (kind == "Pic") adapter = std::make_unique<TFlashPicF>();
    else if (kind == "Sound") adapter = std::make_unique<TFlashSoundF>();
    else throw std::invalid_argument("no object kind '" + kind + "'");

    IXMLMovie& movie = project.Movie();
    adapter->Document = &movie;
    adapter->AddNew(0);
    IXMLObj obj = movie.Obj().Items(movie.Obj().Count() - 1);
    if (!name.empty()) obj.SetObjName(name);
    return obj;
}

}  // namespace glimmora::cli
