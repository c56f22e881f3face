#include "app/sharedstate.h"
#include "nvl/mainwindownv.h"
#include "support/deviceprinter.h"
#include "support/gtestqt.h"
#include "support/ptyprinter.h"
#include "windowfixture.h"

#include <QPixmap>

namespace {

using Entry = MessageRecorder::Entry;

class MainWindowNv : public NvWindowTest {
  protected:
    void SetUp() override { Form1->nvcb->click(); } // enables the three controls
};

TEST_F(NvWindowTest, NvControlsStartDisabledAndFollowTheirCheckBox) {
    for (QWidget *control : {static_cast<QWidget *>(Form1->nvd), static_cast<QWidget *>(Form1->nvp),
                             static_cast<QWidget *>(Form1->bbn)})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    Form1->nvcb->click();
    ASSERT_TRUE(Form1->nvcb->isChecked());
    EXPECT_TRUE(Form1->nvd->isEnabled());
    EXPECT_TRUE(Form1->nvp->isEnabled());
    EXPECT_TRUE(Form1->bbn->isEnabled());
    Form1->nvcb->click();
    EXPECT_FALSE(Form1->nvd->isEnabled());
    EXPECT_FALSE(Form1->nvp->isEnabled());
    EXPECT_FALSE(Form1->bbn->isEnabled());
}

TEST_F(MainWindowNv, NvdShowsTheWindowWithoutSending) {
    ASSERT_FALSE(nvf->isVisible());
    Form1->nvd->click();
    EXPECT_TRUE(nvf->isVisible());
    EXPECT_FALSE(nvf->isModal());
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(MainWindowNv, NvpOpensTheComPortNamedAfterThePortIndex) {
    PtyPrinter com5(environment, QStringLiteral("COM5"));
    choosePort(QStringLiteral("COM5"));
    ASSERT_EQ(Form1->dk->currentIndex(), 6);
    Form1->nvp->click();
    EXPECT_EQ(com5.waitForBytes(4), QByteArray::fromHex("1C700100"));
    EXPECT_EQ(Form1->cp.Port(), QStringLiteral("COM5"));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(MainWindowNv, NvpPrintsOnTheParallelPort) {
    DevicePrinter lpt2(environment, QStringLiteral("LPT2"));
    choosePort(QStringLiteral("LPT2"));
    Form1->nvp->click();
    EXPECT_EQ(lpt2.contents(), QByteArray::fromHex("1C700100"));
}

TEST_F(MainWindowNv, BbnKeepsItsSampleWhenCancelled) {
    Form1->bbn->click();
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(chooser.filters, QStringList{QStringLiteral("位图文件（*.Bmp) (*)")});
    EXPECT_EQ(chooser.selected, chooser.filters.value(0));
    EXPECT_EQ(Form1->Image1->pixmap().size(), QSize(133, 39));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(MainWindowNv, BbnLoadsAPictureAndWarnsWhenItIsTooLarge) {
    chooser.answers
        << writeFile(dir.filePath(QStringLiteral("small.bmp")),
                     bitmapFile(paintedPicture(40, 30, [](int, int) { return qRgb(9, 9, 9); }), 24))
        << writeFile(dir.filePath(QStringLiteral("large.bmp")),
                     bitmapFile(paintedPicture(200, 2000, [](int, int) { return qRgb(9, 9, 9); }), 8));
    Form1->bbn->click();
    EXPECT_EQ(Form1->Image1->pixmap().size(), QSize(40, 30));
    EXPECT_TRUE(recorder.entries.isEmpty());
    Form1->bbn->click();
    EXPECT_EQ(Form1->Image1->pixmap().size(), QSize(200, 2000));
    EXPECT_EQ(recorder.entries,
              QList<Entry>{MessageRecorder::info(QStringLiteral("BMP图形太大!请重新选择!"))});
    // The NV logo window is not touched.
    EXPECT_EQ(nvf->Label1->text(), QStringLiteral("位图大小: 1176 字节"));
    EXPECT_EQ(nvf->Image1->size(), QSize(167, 49));
}

TEST_F(MainWindowNv, BbnShowsTheLoadersError) {
    chooser.answers << writeFile(dir.filePath(QStringLiteral("broken.bmp")), QByteArray("BM...."));
    Form1->bbn->click();
    EXPECT_EQ(recorder.entries,
              QList<Entry>{MessageRecorder::err(QStringLiteral("Bitmap image is not valid."))});
    EXPECT_EQ(Form1->Image1->pixmap().size(), QSize(133, 39));
}

} // namespace
