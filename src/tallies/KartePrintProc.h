#pragma once

class KarteBlock;
class PrintDevice;

// The variable content of one chart sheet: four consecutive examinations of one episode, each
// with its head values (date, temperature, pulse and respiration, times), its treatment lines
// with quantities and amounts, and its uterus or ovary picture. The caller has loaded the
// episode into printGrid and prepared the page (paper, frame, headings); this draws no frame and
// starts or ends no page.
//
// Sheet s (0 to 4) prints examinations 4s + 1 to 4s + 4, slot i with its head line at
// 95.5 + 39 i mm. Every x is measured from baseX (the shared left base); texts go through
// MojiPrintProc in the Mincho face, so the print calibration applies. A slot's treatment lines
// are not held to the slot: many long lines run on downwards past the next head line.
//
// The head date prints from a date of three parts separated by "," or by "." (the chart keeps
// its dates with "."), as the month and the day.
void KartePrintProc(PrintDevice& device, const KarteBlock& printGrid, int sheet, float baseX);
