#include "support/gtestqt.h"
#include "windowfixture.h"

#include <QFile>

namespace {

using Entry = MessageRecorder::Entry;

TEST_F(NvWindowTest, ShowsItsControlsAtStart) {
    EXPECT_EQ(nvf->windowTitle(), QStringLiteral("KQ C6 NV Logo 演示"));
    EXPECT_EQ(nvf->size(), QSize(750, 539));
    EXPECT_TRUE(nvf->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(nvf->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(nvf->font().pixelSize(), 14);

    struct Control {
        const char *name;
        const char *caption;
        bool shown;
    };
    const Control controls[] = {
        {"BitBtn1", "打开BMP文件", true},
        {"Button2", "下载NV Logo", true},
        {"Button3", "打印NV Logo", true},
        {"Button5", "清除NV Logo", true},
        {"Button1", "关闭", true},
        {"Button4", "C6切切刀测试", false},
        {"Button6", "转换后的数据TXT", false},
        {"Button7", "加密后的数据", false},
        {"Button8", "定义下载位图", false},
        {"Button9", "Button9", false},
        {"Button10", "打印下载位图", false},
        {"Button11", "Button11", false},
        {"RadioButton5", "原始", true},
        {"RadioButton6", "变换后", true},
        {"hcb", "HEX", false},
    };
    for (const Control &c : controls) {
        SCOPED_TRACE(c.name);
        const auto *button = nvf->findChild<QAbstractButton *>(QLatin1String(c.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(button->isHidden(), !c.shown);
    }
    EXPECT_FALSE(nvf->RadioButton5->isEnabled());
    EXPECT_TRUE(nvf->RadioButton6->isChecked());
    EXPECT_FALSE(nvf->hcb->isChecked());

    const std::pair<const char *, const char *> edits[] = {
        {"Edit1", "Edit1"},       {"Edit2", "1"},          {"Edit3", "1"},     {"Edit4", "Edit4"},
        {"Edit5", "Edit5"},       {"Edit6", "Edit6"},      {"Edit7", "Edit7"}, {"Edit8", "Edit8"},
        {"Edit9", "c:\\hex.bin"}, {"Edit10", "$00800000"}, {"Edit11", "0"},
    };
    for (const auto &[name, text] : edits) {
        const auto *edit = nvf->findChild<QLineEdit *>(QLatin1String(name));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->text(), QString::fromUtf8(text)) << name;
        EXPECT_TRUE(edit->isHidden()) << name;
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(nvf->EditLabels[i]->text(), QStringLiteral("E%1").arg(i + 1));
        EXPECT_TRUE(nvf->EditLabels[i]->isHidden());
    }

    const auto *group = nvf->findChild<TRadioGroup *>(QStringLiteral("RadioGroup1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("打印时大小缩放"));
    QStringList items;
    for (const QRadioButton *item : group->Buttons)
        items << item->text();
    EXPECT_EQ(items, (QStringList{QStringLiteral("原始大小"), QStringLiteral("双倍宽"),
                                  QStringLiteral("双倍高"), QStringLiteral("双倍宽、高")}));
    EXPECT_EQ(group->ItemIndex(), 0);

    const auto *label = nvf->findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("位图大小: 1176 字节"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));

    const auto *image = nvf->findChild<TImage *>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(272, 40, 167, 49));
    EXPECT_EQ(image->picture().format(), QImage::Format_Indexed8);
    EXPECT_FALSE(image->isHidden());
}

TEST_F(NvWindowTest, CloseButtonHidesTheWindowWhichCanBeShownAgain) {
    nvf->show();
    nvf->Button1->click();
    EXPECT_FALSE(nvf->isVisible());
    nvf->show();
    EXPECT_TRUE(nvf->isVisible());
}

struct OpeningCase {
    int width, height;
    const char *edit1, *edit2, *edit3, *edit4;
    const char *label;
};

class Opening : public NvWindowTest, public testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, ShowsThePicturesSizesAndResizesTheWindow) {
    const OpeningCase &c = GetParam();
    openPicture(paintedPicture(c.width, c.height, [](int x, int y) { return qRgb(x % 256, y % 256, 0); }));
    EXPECT_EQ(nvf->Image1->size(), QSize(c.width, c.height));
    EXPECT_EQ(nvf->Image1->pos(), QPoint(272, 40));
    EXPECT_EQ(nvf->Edit1->text(), QLatin1String(c.edit1));
    EXPECT_EQ(nvf->Edit2->text(), QLatin1String(c.edit2));
    EXPECT_EQ(nvf->Edit3->text(), QLatin1String(c.edit3));
    EXPECT_EQ(nvf->Edit4->text(), QLatin1String(c.edit4));
    EXPECT_EQ(nvf->size(), QSize(nvf->Edit3->text().toInt(), nvf->Edit4->text().toInt()));
    EXPECT_EQ(nvf->Label1->text(), QString::fromUtf8(c.label));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Opening,
    testing::Values(OpeningCase{464, 464, "464", "464", "750", "539", "位图大小： 26912 字节"},
                    OpeningCase{472, 472, "472", "472", "758", "547", "位图大小： 27848 字节"},
                    OpeningCase{9, 47, "16", "48", "750", "539", "位图大小： 96 字节"},
                    OpeningCase{200, 250, "200", "256", "750", "539", "位图大小： 6400 字节"}));

TEST_F(NvWindowTest, OpeningOffersTheBitmapFilterFirst) {
    nvf->BitBtn1->click();
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(chooser.filters, QStringList{QStringLiteral("位图文件(*.BMP) (*.BMP)")});
    EXPECT_EQ(chooser.selected, chooser.filters.value(0));
}

TEST_F(NvWindowTest, ATooLargePictureStaysLoadedWithItsMessage) {
    openPicture(paintedPicture(200, 2000, [](int, int) { return qRgb(0, 0, 0); }));
    EXPECT_EQ(recorder.entries,
              QList<Entry>{MessageRecorder::info(QStringLiteral("BMP图形太大!请重新选择!"))});
    EXPECT_EQ(nvf->Image1->size(), QSize(200, 2000));
    EXPECT_EQ(nvf->Label1->text(), QStringLiteral("位图大小： 50000 字节"));
    EXPECT_EQ(nvf->Edit4->text(), QStringLiteral("2075"));
}

TEST_F(NvWindowTest, CancellingRecomputesTheDisplaysFromTheCurrentPicture) {
    for (QLineEdit *edit : {nvf->Edit1, nvf->Edit2, nvf->Edit3, nvf->Edit4})
        edit->setText(QStringLiteral("x"));
    nvf->resize(900, 900);
    nvf->BitBtn1->click();
    EXPECT_EQ(nvf->Image1->size(), QSize(167, 49));
    EXPECT_EQ(nvf->Edit1->text(), QStringLiteral("168"));
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("56"));
    EXPECT_EQ(nvf->Edit3->text(), QStringLiteral("750"));
    EXPECT_EQ(nvf->Edit4->text(), QStringLiteral("539"));
    EXPECT_EQ(nvf->size(), QSize(750, 539));
    EXPECT_EQ(nvf->Label1->text(), QStringLiteral("位图大小： 1176 字节"));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(NvWindowTest, AFileThatCannotBeLoadedLeavesPictureAndDisplaysAsTheyWere) {
    const QByteArray good = bitmapFile(paintedPicture(30, 20, [](int, int) { return qRgb(1, 2, 3); }), 24);
    const struct {
        QString name;
        QByteArray bytes;
        QString error;
    } cases[] = {
        {QStringLiteral("damaged.bmp"), QByteArray("BM this is no bitmap"),
         QStringLiteral("Bitmap image is not valid.")},
        {QStringLiteral("short.bmp"), good.left(good.size() - 3),
         QStringLiteral("Bitmap image is not valid.")},
        {QStringLiteral("picture.png"), good, QStringLiteral("Unknown picture file extension (.png)")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        recorder.entries.clear();
        chooser.answers << writeFile(dir.filePath(c.name), c.bytes);
        nvf->BitBtn1->click();
        EXPECT_EQ(recorder.entries, QList<Entry>{MessageRecorder::err(c.error)});
        EXPECT_EQ(nvf->Image1->size(), QSize(167, 49));
        EXPECT_EQ(nvf->Image1->picture().format(), QImage::Format_Indexed8);
        EXPECT_EQ(nvf->Label1->text(), QStringLiteral("位图大小: 1176 字节"));
        EXPECT_EQ(nvf->Edit1->text(), QStringLiteral("Edit1"));
        EXPECT_EQ(nvf->Edit3->text(), QStringLiteral("1"));
        EXPECT_EQ(nvf->size(), QSize(750, 539));
    }
}

} // namespace
