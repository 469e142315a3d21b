// A check for windows laid out for one language and shown in another: every
// visible caption must fit the widget that shows it.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace testhilfe {

// The visible labels, buttons, check boxes, group box titles and table
// heads below pFenster whose text is wider than the room they are given,
// each as "object name: text" (empty when every caption is whole).
std::vector<std::string> AbgeschnitteneBeschriftungen(const QWidget* pFenster);

} // namespace testhilfe
