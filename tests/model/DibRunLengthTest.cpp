#include "model/dib/DibRunLength.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

using Grid = std::vector<std::vector<uchar>>;

struct Picture {
    int width;
    int height;
    int bitCount;
};

// The format's rules read one code at a time onto a grid of pixels that starts at index 0, with
// none of the decoder's bookkeeping of what is cleared where: a picture the data would leave
// gives no grid.
std::optional<Grid> referenceDecode(const QByteArray &data, const Picture &picture)
{
    Grid grid(picture.height, std::vector<uchar>(picture.width, 0));
    const auto byte = [&data](qsizetype i) { return uchar(data[i]); };
    const auto nibble = [&byte](qsizetype first, int n) {
        const uchar both = byte(first + n / 2);
        return uchar(n % 2 ? both & 0x0F : both >> 4);
    };
    int x = 0;
    int y = 0;
    qsizetype i = 0;
    while (data.size() - i >= 2 && y < picture.height) {
        const int first = byte(i);
        const int second = byte(i + 1);
        i += 2;
        if (first > 0) {
            if (x + first > picture.width)
                return std::nullopt;
            for (int n = 0; n < first; ++n, ++x)
                grid[y][x] =
                    picture.bitCount == 8 ? uchar(second) : uchar(n % 2 ? second & 0x0F : second >> 4);
        } else if (second == 0) {
            x = 0;
            ++y;
        } else if (second == 1) {
            break;
        } else if (second == 2) {
            if (data.size() - i < 2 || x + byte(i) > picture.width || y + byte(i + 1) > picture.height)
                return std::nullopt;
            x += byte(i);
            y += byte(i + 1);
            i += 2;
        } else {
            const qsizetype bytes = picture.bitCount == 8 ? second : (second + 1) / 2;
            if (data.size() - i < bytes || x + second > picture.width)
                return std::nullopt;
            for (int n = 0; n < second; ++n, ++x)
                grid[y][x] = picture.bitCount == 8 ? byte(i + n) : nibble(i, n);
            i += bytes + bytes % 2;
        }
    }
    return grid;
}

// Codes of every kind, some of them too long for the row or the picture, cut off anywhere.
QByteArray randomCodes(QRandomGenerator &random, const Picture &picture)
{
    QByteArray data;
    const int codes = int(random.bounded(1, 24));
    for (int c = 0; c < codes; ++c) {
        switch (random.bounded(8)) {
        case 0: data.append('\0').append('\0'); break;
        case 1:
            data.append('\0').append('\2').append(char(random.bounded(4))).append(char(random.bounded(3)));
            break;
        case 2:
        case 3: {
            const int count = int(random.bounded(3, std::min(picture.width + 3, 256)));
            const int bytes = picture.bitCount == 8 ? count : (count + 1) / 2;
            data.append('\0').append(char(count));
            for (int b = 0; b < bytes + bytes % 2; ++b)
                data.append(char(random.bounded(256)));
            break;
        }
        default:
            data.append(char(random.bounded(1, std::min(picture.width + 2, 256))))
                .append(char(random.bounded(256)));
        }
    }
    if (random.bounded(3) == 0)
        data.append('\0').append('\1');
    return random.bounded(4) == 0 ? data.left(random.bounded(data.size() + 1)) : data;
}

// The ways of writing pixels this processor can run.
std::vector<DibRunLength::Stores> storesHere()
{
    std::vector<DibRunLength::Stores> stores{DibRunLength::Stores::Library};
    if (DibRunLength::fastestStores() == DibRunLength::Stores::Masked)
        stores.push_back(DibRunLength::Stores::Masked);
    return stores;
}

} // namespace

// The decoder writes straight into the bitmap's rows, stepping up or down through them and
// clearing what the data skips; every byte of every row, padding included, must come out as the
// plain reading of the rules says, whatever was in the bitmap before. Wide pictures take runs long
// enough to span several of the pieces pixels are stored in.
TEST(DibRunLengthTest, ExpandsAsThePlainRulesReadEveryByteOfTheRowsWritten)
{
    for (const DibRunLength::Stores stores : storesHere()) {
        QRandomGenerator random(11);
        for (int round = 0; round < 4000; ++round) {
            const int width = round % 4 ? int(random.bounded(1, 10)) : int(random.bounded(60, 300));
            const Picture picture{width, int(random.bounded(1, 6)), random.bounded(2) ? 8 : 4};
            const qsizetype bytesPerLine = (picture.width + 3) / 4 * 4 + 4 * random.bounded(2);
            const bool bottomUp = random.bounded(2);
            const QByteArray data = randomCodes(random, picture);

            std::vector<uchar> pixels(bytesPerLine * picture.height, 0xAB);
            const DibRunLength::Target target{pixels.data(), bytesPerLine, picture.width, picture.height,
                                              bottomUp};
            const bool decoded = DibRunLength::decode(data, picture.bitCount, target, stores);

            const std::optional<Grid> expected = referenceDecode(data, picture);
            const auto context = [&] {
                return testing::Message()
                       << data.toHex().constData() << " into " << picture.width << "x" << picture.height
                       << " at " << picture.bitCount << " bits" << (bottomUp ? " bottom-up" : " top-down")
                       << " with stores " << int(stores);
            };
            ASSERT_EQ(decoded, expected.has_value()) << context();
            if (!decoded)
                continue;
            for (int y = 0; y < picture.height; ++y) {
                const uchar *row = pixels.data() + (bottomUp ? picture.height - 1 - y : y) * bytesPerLine;
                std::vector<uchar> wanted = (*expected)[y];
                wanted.resize(bytesPerLine, 0);
                ASSERT_EQ(std::vector<uchar>(row, row + bytesPerLine), wanted)
                    << "row " << y << " of " << context();
            }
        }
    }
}

// Pixels are stored in wide pieces; a run or absolute pixels that end at the bitmap's last byte
// must not spill into the memory after it, whatever their length.
TEST(DibRunLengthTest, PiecesEndingAtTheBitmapsEndWriteNothingPastIt)
{
    for (const DibRunLength::Stores stores : storesHere()) {
        for (int width = 4; width <= 252; width += 4) {
            for (const bool absolute : {false, true}) {
                QByteArray data;
                if (absolute)
                    data.append('\0').append(char(width)).append(QByteArray(width, '\x07'));
                else
                    data.append(char(width)).append('\x07');
                std::vector<uchar> pixels(width + 256, 0xAB);
                const DibRunLength::Target target{pixels.data(), width, width, 1, true};
                ASSERT_TRUE(DibRunLength::decode(data, 8, target, stores));
                EXPECT_EQ(std::vector<uchar>(pixels.begin(), pixels.begin() + width),
                          std::vector<uchar>(width, 7));
                EXPECT_EQ(std::vector<uchar>(pixels.begin() + width, pixels.end()),
                          std::vector<uchar>(256, 0xAB))
                    << width << (absolute ? " absolute" : " run") << " with stores " << int(stores);
            }
        }
    }
}
