// Fits the window to the screen it is on, before the page first draws it: centred where there
// is room (the style does that); on a screen smaller than the window, either way round, scaled
// down whole so that all of it shows; in the browser's full screen scaled up to fill it, the
// proportions kept. Otherwise it keeps its own size, and the browser's zoom stays the user's.
// The scale is the style's --scale, a CSS zoom: the window is laid out again at its new size,
// so its text stays sharp and its borders on whole pixels.
(function () {
  'use strict';
  const root = document.documentElement;
  // The window's size, from the style written before this script.
  const size = getComputedStyle(root);
  const width = parseFloat(size.getPropertyValue('--width'));
  const height = parseFloat(size.getPropertyValue('--height'));
  const fullScreen = matchMedia('(display-mode: fullscreen)');
  function fit() {
    const room = Math.min(innerWidth / width, innerHeight / height);
    const small = screen.width < width || screen.height < height;
    // Safari 15 has the full screen's element by its older name only.
    // eslint-disable-next-line compat/compat
    const element = document.fullscreenElement || document.webkitFullscreenElement;
    const full = element != null || fullScreen.matches;
    root.style.setProperty('--scale', String(full ? room : small ? Math.min(room, 1) : 1));
  }
  fit();
  addEventListener('resize', fit);
  document.addEventListener('fullscreenchange', fit);
  document.addEventListener('webkitfullscreenchange', fit);
  fullScreen.addEventListener('change', fit);
  // A function named in the address shows once the face has opened it, with no glimpse of the
  // start state before.
  if (location.hash.length > 1) {
    root.classList.add('opening');
  }
})();
