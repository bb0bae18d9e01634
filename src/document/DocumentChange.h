#pragma once
// What changed between two states of a movie document, named as the Edit
// menu shows its undo and redo ("Move Text_1", "Typing in Text_2",
// "Delete Pic_1", "Change Movie Properties").

#include <string>
#include <string_view>

namespace glimmora {

struct DocumentChange {
    std::string name;          // empty: nothing the user changed differs
    std::string objectBefore;  // the object the step is about, as named before it...
    std::string objectAfter;   // ...and after it (empty where it does not exist)
    bool mergeable = false;    // a further change of the same name may join this step
};

// Both texts are whole project documents; a text that does not parse counts
// as a document without objects.
DocumentChange DescribeChange(std::string_view before, std::string_view after);

}  // namespace glimmora
