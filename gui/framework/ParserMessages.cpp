#include "gui/framework/ParserMessages.h"

namespace gridtally::gui {
namespace {

DiagnosticsSink* current = nullptr;

}  // namespace

DiagnosticsSink& ParserMessages() { return current ? *current : StandardStreams(); }

void SetParserMessages(DiagnosticsSink* sink) { current = sink; }

}  // namespace gridtally::gui
