#pragma once

class QLineEdit;

// A double click empties the text box, as in every window of the programs.
void clearOnDoubleClick(QLineEdit& box);
