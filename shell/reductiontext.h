#pragma once
// The reduction text stored in a system's guarantee grid: how many rows cover how many outcomes, in
// the running language.

#include <QString>

// rader, " rader av ", outcomes, " möjliga" in the language of the offset (0 or 10000).
QString reductionText(double rader, double outcomes, int languageOffset);
// A stored reduction text as the running language shows it: a Finnish text in Swedish and back;
// any other text as it is.
QString translatedReductionText(const QString& stored, int languageOffset);
