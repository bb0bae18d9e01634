#pragma once
// The self-hosted web player that an exported page carries: the package's
// main script, its core scripts and the WebAssembly module that goes with
// browsers of today (those with the WebAssembly extensions: SIMD, bulk
// memory, reference types), read from the program folder's copy of the
// package.
//
// The package is pinned (see web/package.json); the names of its files are
// read from its main script, which maps each WebAssembly file to a module
// and picks one of two modules by the browser's abilities.

#include <filesystem>
#include <string>
#include <vector>

namespace glimmora::exporting {

struct WebPlayer {
    std::string version;              // the package's version
    std::string mainScript;           // ruffle.js
    std::vector<std::string> chunks;  // every core.ruffle.*.js
    std::string wasmName;             // the file the main script fetches
    std::vector<uint8_t> wasm;
};

// Reads the player from `folder` (the program folder's "ruffle"). Throws
// ExportError naming the folder when a file is missing or the main script
// is not one whose layout this program knows.
WebPlayer LoadWebPlayer(const std::filesystem::path& folder);

}  // namespace glimmora::exporting
