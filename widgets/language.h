#pragma once

// Qt's own texts in Chinese, like the rest of the interface: the message box's button reads
// "确定", the text boxes' context menu "复制" and "粘贴". Where the translations are not
// installed the texts stay English.
void installChineseTranslations();
