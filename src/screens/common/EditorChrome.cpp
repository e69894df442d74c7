#include "EditorChrome.h"

#include "FormKit.h"

#include <QHBoxLayout>

namespace EditorChrome {

QFrame* buttonBar(QWidget* form, const std::vector<EditorButton>& tools,
                  const std::vector<EditorButton>& navigation) {
    QFrame* bar = FormKit::panel(form, QStringLiteral("shpPulsanti"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    auto add = [&](QWidget* parent, QHBoxLayout* into, const EditorButton& b) {
        QToolButton* button = FormKit::pictureButton(parent, b.name, b.icon, b.caption);
        button->setMinimumWidth(72);
        button->setEnabled(b.available);
        into->addWidget(button);
    };
    for (std::size_t i = 0; i + 1 < tools.size(); ++i)
        add(bar, row, tools[i]);
    row->addStretch();

    QFrame* record = FormKit::panel(bar, QStringLiteral("shpRecord"));
    auto* nav = new QHBoxLayout(record);
    nav->setContentsMargins(4, 2, 4, 2);
    for (std::size_t i = 0; i < navigation.size(); ++i) {
        if (i == navigation.size() / 2) {
            QLabel* number = FormKit::label(record, QStringLiteral("lblPosizione"), {});
            number->setAlignment(Qt::AlignCenter);
            number->setMinimumWidth(64);
            number->setFrameShape(QFrame::StyledPanel);
            number->setStyleSheet(QStringLiteral("font-weight: bold; background: white;"));
            nav->addWidget(number);
        }
        add(record, nav, navigation[i]);
    }
    row->addWidget(record);
    row->addSpacing(12);
    add(bar, row, tools.back());
    return bar;
}

QLabel* hintLine(QWidget* form, const QString& initialText) {
    QLabel* line = FormKit::label(form, QStringLiteral("panInfo"), initialText);
    line->setFrameShape(QFrame::StyledPanel);
    line->setFrameShadow(QFrame::Sunken);
    line->setContentsMargins(6, 2, 6, 2);
    line->setMinimumHeight(24);
    return line;
}

void attachmentLabels(QWidget* form) {
    for (const char* stem : {"File", "Desc"})
        for (int i = 1; i <= 3; ++i) {
            const QString text = stem + QString::number(i).rightJustified(2, u'0');
            FormKit::hiddenLabel(form, QStringLiteral("lbl") + text, text);
        }
}

} // namespace EditorChrome
