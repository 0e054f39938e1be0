#include "forms/media/MediaDetailsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaDetailsScreenClass &ui, QWidget *root)
{
    Root(root, "MediaDetailsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    make(ui.icoGrabScr, root, "icoGrabScr").at(0, 22, 240, 334);
    make(ui.showDetails, ui.icoGrabScr, "showDetails").at(10, 12, 220, 307);
    make(ui.geoSecondary, ui.showDetails, "geoSecondary").at(8, 216, 201, 70);
    make(ui.txtLat_2, ui.geoSecondary, "txtLat_2")
        .at(40, 32, 140, 20)
        .caption()
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .textBoxNumber(TextBoxNumber::MediaInfo);
    make(ui.txtLong_2, ui.geoSecondary, "txtLong_2")
        .at(40, 50, 140, 20)
        .caption()
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .textBoxNumber(TextBoxNumber::MediaInfo);
    make(ui.icoGeo_2, ui.geoSecondary, "icoGeo_2").at(0, 0, 37, 36).image(":/Icons/i_media_info.mif");
    make(ui.txtDatum_2, ui.geoSecondary, "txtDatum_2").at(40, 16, 140, 15).mediaInfoSmallPrint();
    make(ui.txtSecondary, ui.geoSecondary, "txtSecondary").at(40, 0, 140, 15).mediaInfoSmallPrint();
    make(ui.geoPrimary, ui.showDetails, "geoPrimary").at(8, 128, 201, 70);
    make(ui.txtLong, ui.geoPrimary, "txtLong")
        .at(40, 50, 140, 20)
        .caption()
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .textBoxNumber(TextBoxNumber::MediaInfo);
    make(ui.icoGeo, ui.geoPrimary, "icoGeo").at(0, 0, 37, 36).image(":/Icons/i_media_info.mif");
    make(ui.txtLat, ui.geoPrimary, "txtLat")
        .at(40, 32, 140, 20)
        .caption()
        .textFormat(Qt::PlainText)
        .alignment(Qt::AlignTrailing | Qt::AlignVCenter)
        .textBoxNumber(TextBoxNumber::MediaInfo);
    make(ui.txtDatum, ui.geoPrimary, "txtDatum").at(40, 16, 140, 15).mediaInfoSmallPrint();
    make(ui.txtPrimary, ui.geoPrimary, "txtPrimary").at(40, 0, 140, 15).mediaInfoSmallPrint();
    make(ui.fileInfo, ui.showDetails, "fileInfo").at(14, 4, 197, 117);
    make(ui.fixtxtFormat, ui.fileInfo, "fixtxtFormat").at(2, 58, 80, 16).mediaInfoName();
    make(ui.fixtxtTime, ui.fileInfo, "fixtxtTime").at(2, 22, 80, 16).mediaInfoName();
    make(ui.txtDate, ui.fileInfo, "txtDate").at(82, 4, 95, 16).mediaInfoValue();
    make(ui.txtFormat, ui.fileInfo, "txtFormat").at(82, 58, 95, 16).mediaInfoValue();
    make(ui.fixtxtDate, ui.fileInfo, "fixtxtDate").at(2, 4, 80, 16).mediaInfoName();
    make(ui.txtTime, ui.fileInfo, "txtTime").at(82, 22, 95, 16).mediaInfoValue();
    make(ui.fixtxtSize, ui.fileInfo, "fixtxtSize").at(2, 94, 80, 16).mediaInfoName();
    make(ui.txtSize, ui.fileInfo, "txtSize").at(82, 94, 95, 16).mediaInfoValue();
    make(ui.fixtxtFile, ui.fileInfo, "fixtxtFile").at(2, 40, 80, 16).mediaInfoName();
    make(ui.txtFile, ui.fileInfo, "txtFile").at(82, 40, 95, 16).mediaInfoValue();
    make(ui.fixtxtDuration, ui.fileInfo, "fixtxtDuration").at(2, 76, 80, 16).mediaInfoName();
    make(ui.txtDuration, ui.fileInfo, "txtDuration").at(82, 76, 95, 16).mediaInfoValue();
}

void retranslateUi(Ui_MediaDetailsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("MediaDetailsScreenClass", "MediaDetailsScreen"));
    //: Sample content, replaced by the host at run time.
    ui.txtLat_2->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Lat"));
    //: Sample content, replaced by the host at run time.
    ui.txtLong_2->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Long"));
    ui.txtDatum_2->setContent(QString());
    ui.txtSecondary->setContent(QString());
    //: Sample content, replaced by the host at run time.
    ui.txtLong->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Long"));
    //: Sample content, replaced by the host at run time.
    ui.txtLat->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Lat"));
    ui.txtDatum->setContent(QString());
    ui.txtPrimary->setContent(QString());
    ui.fixtxtFormat->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Format:"));
    ui.fixtxtTime->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Time:"));
    ui.txtDate->setContent(QString());
    ui.txtFormat->setContent(QString());
    ui.fixtxtDate->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Date:"));
    ui.txtTime->setContent(QString());
    ui.fixtxtSize->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Size:"));
    ui.txtSize->setContent(QString());
    ui.fixtxtFile->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "File Name:"));
    ui.txtFile->setContent(QString());
    ui.fixtxtDuration->setContent(QCoreApplication::translate("MediaDetailsScreenClass", "Duration:"));
    ui.txtDuration->setContent(QString());
}

Form<Ui_MediaDetailsScreenClass, setupUi, retranslateUi> formMediaDetailsScreenClass;

} // namespace

FormLayout &MediaDetailsScreenClass()
{
    return formMediaDetailsScreenClass;
}

} // namespace quarn::forms
