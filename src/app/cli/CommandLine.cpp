#include "app/cli/CommandLine.h"

namespace glimmora::cli {

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& switches)
{
    ParsedArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            if (valued.count(a)) {
                if (i + 1 >= args.size()) throw UsageError("option " + a + " needs a value");
                parsed.options[a] = args[++i];
            } else if (switches.count(a)) {
                parsed.flags.insert(a);
            } else {
                throw UsageError("unknown option " + a);
            }
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

}  // namespace glimmora::cli
