#include "objects/TGlobalVars.h"

namespace glimmora {

TGlobalVars& GlobalVars()
{
    static TGlobalVars globals;
    return globals;
}

void ResetGlobalVars() { GlobalVars() = TGlobalVars{}; }

}  // namespace glimmora
