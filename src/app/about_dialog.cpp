#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtGlobal>

#include "app/licence_text.h"
#include "app/utf8_text.h"
#include "program_version.h"

namespace quorvane {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Quorvane"));
  summary_ = new QLabel(this);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  summary_->setText(
      QStringLiteral("Quorvane %1\n"
                     "CT dose profiles: measurement, multiple-scan and helical accumulation.\n\n"
                     "Built with Qt %2, running on Qt %3.\n\n"
                     "Quorvane is free software: you can redistribute it and/or modify it under "
                     "the terms of the GNU General Public License as published by the Free "
                     "Software Foundation, either version 3 of the License, or (at your option) "
                     "any later version (GPL-3.0-or-later). It is distributed WITHOUT ANY "
                     "WARRANTY; see the licence below.")
          .arg(QString::fromLatin1(kProgramVersion.data(),
                                   static_cast<qsizetype>(kProgramVersion.size())),
               QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())));
  summary_->setWordWrap(true);

  licence_ = new QPlainTextEdit(this);
  licence_->setReadOnly(true);
  licence_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  licence_->setPlainText(DecodeUtf8(LicenceText()));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(licence_, 1);
  layout->addWidget(buttons);
  resize(640, 480);
}

QString AboutDialog::summary() const { return summary_->text(); }

QString AboutDialog::licence_text() const { return licence_->toPlainText(); }

}  // namespace quorvane
