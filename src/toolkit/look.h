// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPalette>
#include <QRgb>

// The window's look in one place: the faces it draws its text in, by what the text is,
// and the named colours of every page and of the artwork drawn for them.

enum class FontRole {
    WindowText,         // labels, radio captions and boxes: "Tahoma" 11 pixels
    ValueLabel,         // "Binary:" and the other odometer labels: "Tahoma" bold 13
    PushButtonCaption,  // "+", "-", "^", "v", "#": "Tahoma" bold 19
    RadixButtonCaption, // "Octal #", "Decimal #", "Hex #": "Tahoma" bold 15
    BoardDigit,         // the board's digits, operator and minus: "Comic Sans MS" bold 48
    BoardMark,          // carries and small borrow ones: "Comic Sans MS" bold 24
    BoardStrike,        // the stroke through a lending digit: "Comic Sans MS" 48
    BoardHint,          // the line under the board: "Tahoma" 13
    GridData,           // the Table's cells: "Tahoma" 19
    GridHeader,         // the Table's header: "Tahoma" bold 19
    SelectedTabCaption, // "Tahoma" 11
    TabCaption,         // the other tabs: "MS Sans Serif" 11
};

// The face of a role. The stand-in faces are registered on first use, so that the
// families the layout names resolve to them.
QFont roleFont(FontRole role);

// Makes "Tahoma", "MS Sans Serif" and "Comic Sans MS" resolve to the scalable faces that
// stand in for them where the system has no face of that name.
void registerStandInFonts();

// Every colour role of the window and its children, pinned, so that the pages look as
// designed under any system colour scheme and style.
QPalette windowPalette();

namespace palette {

inline constexpr QRgb page = qRgb(255, 255, 255);
inline constexpr QRgb windowText = qRgb(0, 0, 0);
inline constexpr QRgb topBar = qRgb(206, 241, 255);      // 16773582
inline constexpr QRgb selectedTab = qRgb(180, 180, 180); // the active-border grey
inline constexpr QRgb unselectedTab = qRgb(255, 255, 255);
inline constexpr QRgb buttonCaption = qRgb(30, 57, 91); // 5978398
inline constexpr QRgb runningCaption = qRgb(255, 0, 0); // the counting direction
inline constexpr QRgb disabledCaption = qRgb(150, 156, 166);
inline constexpr QRgb buttonFaceTop = qRgb(251, 252, 254); // faces shade from top to bottom
inline constexpr QRgb buttonFaceBottom = qRgb(208, 216, 228);
inline constexpr QRgb buttonHoverTop = qRgb(236, 246, 255);
inline constexpr QRgb buttonHoverBottom = qRgb(168, 208, 242);
inline constexpr QRgb buttonLitTop = qRgb(255, 247, 204);
inline constexpr QRgb buttonLitBottom = qRgb(255, 200, 84);
inline constexpr QRgb buttonLitHoverTop = qRgb(255, 250, 224);
inline constexpr QRgb buttonLitHoverBottom = qRgb(255, 215, 128);
inline constexpr QRgb buttonBorder = qRgb(104, 120, 144);
inline constexpr QRgb buttonHighlight = qRgba(255, 255, 255, 200);
inline constexpr QRgb buttonShadow = qRgba(60, 72, 96, 90);
inline constexpr QRgb boardCursor = qRgb(182, 226, 250); // the blinking entry cell
inline constexpr QRgb boardMark = qRgb(0, 0, 255);       // carries, borrows, strikes
inline constexpr QRgb negativeMark = qRgb(255, 0, 0);    // minus sign and bracket
inline constexpr QRgb boardHint = qRgb(128, 0, 0);
inline constexpr QRgb gridHeaderFill = qRgb(218, 231, 245);
inline constexpr QRgb gridHeaderLines = qRgb(160, 176, 199);
inline constexpr QRgb gridLines = qRgb(192, 192, 192);
inline constexpr QRgb gridSelectionFill = qRgb(183, 219, 255);
inline constexpr QRgb gridSelectionText = qRgb(0, 0, 0);
inline constexpr QRgb alternateBase = qRgb(245, 245, 245);
inline constexpr QRgb controlFace = qRgb(240, 240, 240); // radio marks and box frames
inline constexpr QRgb controlMidlight = qRgb(227, 227, 227);
inline constexpr QRgb controlMid = qRgb(160, 160, 160);
inline constexpr QRgb controlDark = qRgb(105, 105, 105);
inline constexpr QRgb controlShadow = qRgb(64, 64, 64);
inline constexpr QRgb editSelection = qRgb(0, 120, 215); // selected text in the boxes
inline constexpr QRgb linkText = qRgb(0, 102, 204);
inline constexpr QRgb visitedLinkText = qRgb(102, 51, 153);
inline constexpr QRgb toolTip = qRgb(255, 255, 225);

} // namespace palette
