// The tape on paper or as a PDF, through the toolkit's print support.
#pragma once

#include <QString>

#include "engine/tape.h"

class QWidget;

namespace orvane {

// Writes the tape to a PDF file; false when the file could not be written.
bool write_tape_pdf(const engine::Tape& tape, const QString& path);

// Asks for a printer (or a PDF file) and prints the tape there.
void print_tape(const engine::Tape& tape, QWidget* parent);

}  // namespace orvane
