#pragma once

#include "core/ResultText.h"

#include <QString>

// The name the main window's PDF action suggests.
namespace ResultActions
{

// "Fluvano_10kW_15K_DN25.pdf": the inputs and the pipe, in characters every
// file system takes (letters, digits, ",", "-", "_").
QString suggestedFileName(const ResultText::Inputs& inputs, const QString& designation);

} // namespace ResultActions
