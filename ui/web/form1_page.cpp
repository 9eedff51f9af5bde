#include "ui/web/form1_page.h"

#include "ui/form1_description.h"
#include "ui/form1_events.h"
#include "window/picture_keeping.h"

namespace vorrelin::web {

Form1Page::Form1Page(val client)
    : FormWindow(kForm1, std::move(client),
                 [this](std::string_view control, Event event) {
                     HandleAndDescribe(form_, control, event, [this](const std::string& text) {
                         DescribePicture("Picture1", kPictureName, text);
                     });
                 }),
      text1_(Control("Text1")), text2_(Control("Text2")),
      form_(Picture("Picture1").Surface(), text1_, text2_, Timer("Timer1")) {
    PictureBox& picture = Picture("Picture1");
    AddMenu("Picture1", PictureCommands(
                            [this, &picture] {
                                picture.Copy([this](const std::string& reason) {
                                    ShowReport(CopyFailureReport(reason));
                                });
                            },
                            [this, &picture] {
                                picture.Save(PathText(
                                    ProposedPictureName(kForm1.caption, form_.OrderOnPicture())));
                            }));
    Raise(kForm1.name, Event::Load);
}

} // namespace vorrelin::web
