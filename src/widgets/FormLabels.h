#pragma once

class QFormLayout;

namespace glimmora {

// Names the labels of a form layout "Label1", "Label2", ... from the top, so
// that language files can reach their texts.
void NameFormLabels(QFormLayout* layout);

}  // namespace glimmora
