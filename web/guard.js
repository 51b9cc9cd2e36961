// Says, in place of the window, that the window's program cannot run here, whatever keeps it
// from starting: a browser that lacks what the page's scripts use, or that cannot read them, a
// script that fails before the window takes input, or a start that never ends. A window that
// looks alive while it is dead would be worse than none. Where no script runs at all, the
// style says it by itself; this script, once it runs, takes that over. Written to run in every
// browser, the oldest included.
(function () {
  'use strict';
  var root = document.documentElement;
  var shown = document.getElementById('window');
  root.className += ' scripted';
  function cannotRun() {
    if (!shown.hasAttribute('data-ready')) {
      root.className += ' cannot-run';
    }
  }
  var needed = [window.Promise, window.Map, window.Set, window.TextEncoder, window.TextDecoder,
    window.requestAnimationFrame, Array.from, Object.assign, Math.imul, Math.fround, Math.clz32,
    window.Element && Element.prototype.closest,
    window.HTMLScriptElement && 'noModule' in HTMLScriptElement.prototype,
    window.CSS && CSS.supports && CSS.supports('--scale', '1')];
  for (var i = 0; i < needed.length; i++) {
    if (!needed[i]) {
      cannotRun();
      return;
    }
  }
  addEventListener('error', cannotRun);
  addEventListener('unhandledrejection', cannotRun);
  // The program starts once the page has drawn its first frame, and takes a fraction of a
  // second; a start not over two and a half seconds after that will not be. (A page opened
  // behind others draws its first frame when it comes to the front.)
  requestAnimationFrame(function () {
    setTimeout(cannotRun, 2500);
  });
})();
