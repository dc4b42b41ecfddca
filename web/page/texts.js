// SPDX-License-Identifier: GPL-3.0-or-later
// The page's texts in its language: the translators' tool reads this file (plain calls of
// qsTranslate, which page.js defines); texts the desktop also shows keep its contexts.
function pageTexts() {
  return {
    lineSpectrum: qsTranslate('AccessiblePlots', 'Line spectrum'),
    ended: qsTranslate('Page', 'Tavinel has ended.'),
    startAgain: qsTranslate('Page', 'Start again'),
    endedTitle: qsTranslate('Page', '%1 (ended)'),
    keys: qsTranslate('HelpWindow', 'Keys'),
    rightClick: qsTranslate('Page', 'Right-click a plot (or touch and hold it, or focus it and press the menu key or '
      + 'Shift+F10) to copy or save its picture or its data, or to play or save its sound.'),
    copyLines: qsTranslate('PlotActions', "Copy the spectrum's lines"),
    fullScreen: qsTranslate('Page', 'Full screen'),
    closeHelpKey: qsTranslate('HelpWindow', 'Esc: close this help'),
    pictureNotCopied: qsTranslate('Page', 'The picture could not be copied: %1'),
    dataNotCopied: qsTranslate('Page', 'The data could not be copied: %1'),
    copyPicture: qsTranslate('PlotActions', 'Copy picture'),
    savePicture: qsTranslate('PlotActions', 'Save picture…'),
    saveSvg: qsTranslate('Page', 'Save picture as SVG…'),
    copyData: qsTranslate('PlotActions', 'Copy data'),
    saveData: qsTranslate('PlotActions', 'Save data…'),
    playSound: qsTranslate('SoundActions', 'Play sound'),
    stopSound: qsTranslate('SoundActions', 'Stop sound'),
    saveSound: qsTranslate('SoundActions', 'Save sound…'),
    soundCannotStart: qsTranslate('Page', 'The sound cannot start: the browser has no audio output it can use. Connect '
      + 'speakers or headphones, or allow this page to play sound, then choose Play sound again.'),
    help: qsTranslate('HelpWindow', '%1 help'),
    close: qsTranslate('Page', 'Close'),
  };
}
