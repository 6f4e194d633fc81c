#include "cli/BatchPress.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "press/PressPdf.h"

#include <QCoreApplication>
#include <cstdio>

void WriteBatchPressPdf(BatchCard &card, const BatchOptions &options, int count,
                        const std::function<void(int card)> &cardAt, const FieldValues *record)
{
    const int sides = options.Job.PrintsBack(card.HasBackSide()) ? 2 : 1;
    const QString profile = WritePressPdf(
        options.OutputFile, count * sides,
        [&](int page) {
            if (page % sides == 0 && cardAt)
                cardAt(page / sides);
            return PressPage{page % sides == 0 ? &card.Surface() : &card.Back(), record};
        },
        card.CardDef(), *options.Press, card.Title());
    std::fprintf(
        stderr, "vellumax: %s\n",
        qPrintable(QCoreApplication::translate("BatchPress", "カラープロファイル: %1").arg(profile)));
}
