// Says, in place of the window, that the browser is too old, where the window's program cannot
// run in it: a browser that lacks what the page's scripts use, or that cannot read them, or in
// which they fail before the window takes input. A window that looks alive while it is dead
// would be worse than none. Written to run in every browser, the oldest included.
(function () {
  'use strict';
  var root = document.documentElement;
  function tooOld() {
    root.className += ' too-old';
  }
  var needed = [window.Promise, window.Map, window.Set, window.TextEncoder, window.TextDecoder,
    window.requestAnimationFrame, Array.from, Object.assign, Math.imul, Math.fround, Math.clz32,
    window.Element && Element.prototype.closest,
    window.HTMLScriptElement && 'noModule' in HTMLScriptElement.prototype,
    window.CSS && CSS.supports && CSS.supports('--scale', '1')];
  for (var i = 0; i < needed.length; i++) {
    if (!needed[i]) {
      tooOld();
      return;
    }
  }
  function failed() {
    var shown = document.getElementById('window');
    if (!shown || !shown.hasAttribute('data-ready')) {
      tooOld();
    }
  }
  addEventListener('error', failed);
  addEventListener('unhandledrejection', failed);
})();
