#include "cli/BatchPress.h"

#include "cli/BatchCard.h"
#include "cli/BatchOptions.h"
#include "model/card/CardTypes.h"
#include "model/card/TVkVellumPanel.h"
#include "press/PressPdf.h"

#include <QCoreApplication>
#include <cstdio>
#include <utility>

void WriteBatchPressPdf(BatchCard &card, const BatchOptions &options, int count,
                        const std::function<void(int card)> &cardAt, const FieldValues *record)
{
    const int sides = options.Job.PrintsBack(card.HasBackSide()) ? 2 : 1;
    // A card designed upright is cut upright: its page stands as it was designed, not as the
    // sheet's cells lie.
    TCardDef finished = card.CardDef();
    if (IsPortrait(card.Surface().Orientation()))
        std::swap(finished.CardSizeX, finished.CardSizeY);
    const QString profile = WritePressPdf(
        options.OutputFile, count * sides,
        [&](int page) {
            if (page % sides == 0 && cardAt)
                cardAt(page / sides);
            return PressPage{page % sides == 0 ? &card.Surface() : &card.Back(), record};
        },
        finished, *options.Press, card.Title());
    std::fprintf(
        stderr, "vellumax: %s\n",
        qPrintable(QCoreApplication::translate("BatchPress", "カラープロファイル: %1").arg(profile)));
}
