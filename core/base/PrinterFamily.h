#pragma once

// The two kinds of slip printer: the key printers (keyprint5/6/7) and the combination
// printers (combiprint5/6/7).
enum class PrinterFamily { Key, Combination };
