#pragma once
// What changed between two states of a movie document, named as the Edit
// menu shows its undo and redo ("Move Text_1", "Typing in Text_2",
// "Delete Pic_1", "Change Movie Properties").

#include <memory>
#include <string>
#include <string_view>

namespace glimmora {

struct DocumentChange {
    std::string name;          // empty: nothing the user changed differs
    std::string objectBefore;  // the object the step is about, as named before it...
    std::string objectAfter;   // ...and after it (empty where it does not exist)
    bool mergeable = false;    // a further change of the same name may join this step
};

// A project document read for DescribeChange: its properties and its
// objects' fields. A state that is compared twice (with the state before it,
// then with the one after it) is read once this way.
class DocumentOutline {
public:
    // A text that does not parse counts as a document without objects.
    explicit DocumentOutline(std::string_view text);

    struct Contents;

private:
    friend DocumentChange DescribeChange(const DocumentOutline& before, const DocumentOutline& after);
    std::shared_ptr<const Contents> contents_;
};

DocumentChange DescribeChange(const DocumentOutline& before, const DocumentOutline& after);
// Both texts are whole project documents.
DocumentChange DescribeChange(std::string_view before, std::string_view after);

}  // namespace glimmora
