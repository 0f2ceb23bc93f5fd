#pragma once

#include "core/text/Diagnostics.h"

namespace gridtally::gui {

// Where the documents of the program send the parser's messages: the process's standard
// streams unless a test or a host program asks otherwise. Documents take it when they
// are made.
DiagnosticsSink& ParserMessages();
void SetParserMessages(DiagnosticsSink* sink);  // nullptr: the standard streams again

}  // namespace gridtally::gui
