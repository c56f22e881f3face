#include "app/mainwindow.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "app/textconv.h"
#include "cuttertestpage.h"
#include "nvf.h"

#include <QLineEdit>
#include <memory>

namespace {

// Edit2 counts on by one for every copy written. It is set once, on every way out of the handler
// (after the route has closed), which leaves the same number as setting it after each copy without
// the cost of a widget update per copy. The count wraps past the largest integer as the edit's number
// would, never as undefined arithmetic.
struct CopyCounter {
    QLineEdit *edit;
    int start;
    unsigned written = 0;
    ~CopyCounter() {
        if (written > 0)
            edit->setText(QString::number(static_cast<int>(static_cast<unsigned>(start) + written)));
    }
};

} // namespace

void Tnvf::Button4Click() {
    CmdStr.clear();
    const int nulCount = StrToInt(Edit2->text());
    const QImage &picture = Image1->picture();
    const ConversionPlan plan = conversionPlan(ConversionCommand::CutterTest, picture.size());
    const RasterGeometry &g = plan.geometry;
    // The raster block counts its height in dots, not in bytes.
    const int heightDots = picture.height();
    const int yL = heightDots % 256;
    const int yH = heightDots / 256;
    Edit4->setText(QString::number(g.xL));
    Edit5->setText(QString::number(g.xH));
    Edit6->setText(QString::number(yL));
    Edit7->setText(QString::number(yH));
    Edit8->setText(QString::number(static_cast<qint64>(g.xL + 256 * g.xH) * (yL + 256 * yH)));
    blankFill(plan);
    CmdStr = cutterTestPage(cutterRasterBlock(g.widthBytes, heightDots, convert(picture, plan)), nulCount);

    // One opening for all copies. Any failure from here on unwinds through the route, which closes
    // itself, so the device or port is released before the error is shown.
    CopyCounter counter{Edit2, nulCount};
    const std::unique_ptr<Route> route = openRoute(currentPortChoice(NameSource::Texts), Form1->cp);
    if (!route)
        return;
    const int copies = StrToInt(Edit3->text());
    QByteArray copy;
    copy.reserve(CmdStr.size() + 16);
    for (int k = 1; k <= copies; ++k) {
        copy.truncate(0);
        copy += cutterCopyHeader(k);
        copy += CmdStr;
        if (!route->write(copy))
            return; // "Send error" has been shown and the connection closed
        ++counter.written;
    }
    route->close();
}
