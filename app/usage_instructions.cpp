#include "app/usage_instructions.h"

#include "app/build_settings.h"
#include "platform/qt/message_box.h"

namespace marevisk {

QString UsageText() {
    return QStringLiteral(
               "使用说明：\r\n"
               "\r\n"
               "打开软件，输入自定义标题名称。\r\n"
               "可以选择本地的图片作为背景。\r\n"
               "每个标题输入后面都有颜色和字体选择框，可以更换颜色和字体\r\n"
               "可以生成芯片字体，右键可以涂鸦，每个标签可以随意拖动。\r\n"
               "做好图片，点击保存举牌图即可!\r\n"
               "不会使用可以到群里提问，群号：") +
           QString::fromUtf8(kGroupNumber);
}

void ShowUsageInstructions() {
    ShowMessage(UsageText());
}

}  // namespace marevisk
