#include "app/BarImages.h"

#include "app/ImageList2.h"
#include "app/ImageList3.h"
#include "app/TForm1.h"
#include "app/ToolBarGlyphs.h"
#include "frame/SetupParameters.h"

#include <QToolBar>
#include <QToolButton>

namespace {

// Button numbers of the drawing bars (separators count).
constexpr int FirstSymbolButton = 5;
constexpr int SymbolButtonCount = 17;
constexpr int FirstSymbolColourButton = 24;
constexpr int FirstLineKindButton = 6;
constexpr int FirstLineColourButton = 11;
constexpr int ColourButtonCount = 6;

void Show(QToolButton* button, const ImageList& list, int image)
{
    if (!button)
        return;
    button->setIconSize(list.imageSize());
    button->setIcon(list.icon(image));
}

}  // namespace

void ShowToolBarImages(TForm1& f, const ImageList& list)
{
    const std::pair<QToolButton*, ToolBarImage> buttons[] = {
        {f.ExitBtn, ExitImage},         {f.S52Btn, S52Image},         {f.Show2DBtn, Show2DImage},
        {f.Show3DBtn, Show3DImage},     {f.WeatherBtn, WeatherImage}, {f.RadarBtn, RadarImage},
        {f.ZoomInBtn, ZoomInImage},     {f.ZoomOutBtn, ZoomOutImage}, {f.QueryBtn, QueryImage},
        {f.BearingBtn, BearingImage},   {f.Arpa1Btn, Arpa1Image},     {f.Arpa2Btn, Arpa2Image},
        {f.AisBtn, AisImage},           {f.EventMarkBtn, EventMarkImage}, {f.RouteBtn, RouteImage},
        {f.btnMiniAuto, LookAheadImage}, {f.TrackBtn, TrackImage},    {f.SymbolBtn, SymbolImage},
        {f.ToolBtn, ToolImage},         {f.AutoBtn, AutoImage},
    };
    for (const auto& [button, image] : buttons)
        Show(button, list, image);
    QToolButton* const bands[] = {f.Wbtn, f.Abtn, f.Bbtn, f.Cbtn, f.Dbtn, f.Ebtn, f.Fbtn, f.Gbtn};
    for (int band = 0; band < 8; ++band)
        Show(bands[band], list, FirstBandImage + band);
}

void ShowDrawingBarImages(TForm1& f)
{
    const std::pair<QToolButton*, int> symbolTools[] = {
        {f.btnSyDel, SymbolDeleteImage}, {f.btnSyEdit, SymbolMoveImage}, {f.btnSyDraw, SymbolNewImage},
        {f.btnSyOk, SymbolFinishImage},  {f.SymbSelBtn, SymbolSelectionImage}};
    for (const auto& [button, image] : symbolTools)
        Show(button, f.ImageList2, image);
    for (int i = 0; i < SymbolButtonCount; ++i)
        ShowSymbolButtonImage(f, i);
    for (int image = 0; image < SymbolImageCount; ++image)
        Show(SymbolPaletteButton(f, image), f.ImageList2, image);

    const std::pair<QToolButton*, int> lineTools[] = {
        {f.btnLiList, LineListImage}, {f.btnLiDel, LineDeleteImage}, {f.btnLiEdit, LineEditImage},
        {f.btnLiDraw, LineDrawImage}, {f.btnLiOk, LineFinishImage}};
    for (const auto& [button, image] : lineTools)
        Show(button, f.ImageList3, image);
    for (int kind = 0; kind < 4; ++kind)
        Show(BarButton(f.LineBar, FirstLineKindButton + kind), f.ImageList3, FirstLineKindImage + kind);
    ShowColourGlyphs(f);
}

void ShowSymbolButtonImage(TForm1& f, int tag)
{
    if (tag >= 0 && tag < SymbolButtonCount)
        Show(BarButton(f.SymbBar, FirstSymbolButton + tag), f.ImageList2, SetupParameters.SymbolBar[tag]);
}

void ShowColourGlyphs(TForm1& f)
{
    for (int k = 0; k < ColourButtonCount; ++k) {
        Show(BarButton(f.SymbBar, FirstSymbolColourButton + k), f.ImageList2, FirstColourGlyph2 + k);
        Show(BarButton(f.LineBar, FirstLineColourButton + k), f.ImageList3, FirstColourGlyph3 + k);
    }
}
