#pragma once
// What a word on the command line names: shell completion offers candidates
// of that kind, and the help names them.

namespace glimmora::cli {

enum class WordKind {
    Nothing,         // free text or a number: nothing to offer
    AnyFile,
    Directory,
    Project,         // a .gmr file
    NewProject,      // a .gmr file that may not exist yet
    Movie,           // a .swf file
    ProjectOrMovie,  // .gmr or .swf
    Picture,         // .bmp, .jpg
    Sound,           // .wav, .mp3
    Table,           // .csv
    Object,          // an object of the project named before it
    PictureObject,
    SoundObject,
    TextObject,
    Property,        // a property of the object named before it
    PropertyValue,   // a value of the property named before it
    TextEffect,
    Template,
    Command,         // a command of glimmora-cli
};

}  // namespace glimmora::cli
