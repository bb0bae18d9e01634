#include "objects/TFlashObj.h"

#include "objects/DocumentAccess.h"
#include "objects/NewObjectName.h"

namespace glimmora {

void TFlashObj::Generate(int index) { Generate(BoundMovie(Document).Obj().Items(index)); }

void TFlashObj::AddNew(int /*startFrame*/)
{
    ObjName = NewObjectName(BoundMovie(Document).Obj(), TypeName);
}

}  // namespace glimmora
