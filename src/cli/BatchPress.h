#pragma once

#include <QString>
#include <functional>

class BatchCard;
class BatchOptions;
class FieldValues;

// --pdf --press: each page a side of the card for a print shop, the front and then the back unless
// --back none leaves it out; each of count cards prepared by cardAt before its sides are drawn. The
// colour profile's name is told on standard error. The sides show record, if given.
void WriteBatchPressPdf(BatchCard &card, const BatchOptions &options, int count = 1,
                        const std::function<void(int card)> &cardAt = {},
                        const FieldValues *record = nullptr);
