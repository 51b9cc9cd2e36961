// The browser face of the window. The page already shows the window in its start state; once
// the program is ready this file attaches to it. Every input on a control, a click, a choice or
// a key, goes to the window model with the control's id ("the user chose item 1 of the list
// with this id"), and the model answers with the attributes of the page to write again (see
// page_view.h), which the face sets as they come. What an input or a key means, which controls
// it changes and how they show it is decided in C++ alone; this file only has the widgets:
// lists one item high with their scroll bars, buttons, touch, the result box's scroll bar, and
// the address.
(function () {
  'use strict';

  const windowElement = document.getElementById('window');
  const lists = new Map();

  const encoder = new TextEncoder();

  // Calls the program's function `name` with `texts`, each as its UTF-8 bytes in the program's
  // heap and their length, then `numbers`, and returns the text it answers. No text goes onto
  // the program's stack, where ccall would put it: an address can be of any length.
  function call(name, texts, ...numbers) {
    const held = texts.map((text) => {
      const bytes = encoder.encode(text);
      const at = _malloc(bytes.length + 1);
      HEAPU8.set(bytes, at);
      return [at, bytes.length];
    });
    try {
      const args = [].concat(...held, numbers);
      return ccall(name, 'string', args.map(() => 'number'), args);
    } finally {
      held.forEach(([at]) => _free(at));
    }
  }

  // The user's input on the control `id`: `item` of a list, or a click or press on the rest.
  function input(id, item) {
    answered(call('nf_input', [id], item));
  }

  // A key on the focused control: the window's when it takes it, else the browser's.
  function key(event) {
    const shortcut = event.ctrlKey || event.altKey || event.metaKey ? 1 : 0;
    const answer = call('nf_key', [event.target.id, event.key], shortcut);
    if (answer) {
      event.preventDefault();
      answered(answer.slice(1));
    }
  }

  function answered(patch) {
    apply(patch);
    // The browser takes a good part of a millisecond to change the address: it follows in a
    // task of its own, once the box is rewritten.
    setTimeout(showAddress);
  }

  // Sets the attributes the model sends: element, name and value (none: the attribute goes);
  // "focus" moves the focus to the element.
  function apply(patch) {
    const rewritten = [];
    const touched = new Set();
    for (const entry of patch ? patch.split('\x1e') : []) {
      const [id, name, value] = entry.split('\x1f');
      const element = document.getElementById(id);
      if (name === 'value') {
        element.value = value;
        rewritten.push(element);
      } else if (name === 'focus') {
        element.focus();
      } else if (value === undefined) {
        element.removeAttribute(name);
      } else {
        element.setAttribute(name, value);
      }
      if (name === 'aria-activedescendant') {
        // A list whose selection the model sent shows the selected item.
        touched.add(lists.get(element));
      }
    }
    touched.forEach((list) => list.showSelected());
    if (rewritten.length) {
      // A new text starts at its top, as on the desktop. Scrolling needs the box laid out; in
      // the next frame the page lays it out anyway, now it would do so only for this.
      requestAnimationFrame(() => rewritten.forEach((box) => {
        box.scrollTop = 0;
        box.dispatchEvent(new Event('scroll'));
      }));
    }
  }

  // The page's address ends in the code of the function the window shows, so that copying the
  // address hands the function on; the start state and Clear have none. The entry in the
  // browser's history is replaced, not added to.
  function showAddress() {
    const code = call('nf_code', []);
    const address = location.pathname + location.search + (code ? '#' + code : '');
    if (address !== location.pathname + location.search + location.hash) {
      history.replaceState(null, '', address);
    }
  }

  // Opens the function in the address: the window the inputs it stands for leave a freshly
  // opened one. The address is anyone's text: a code that does not read (a bad escape, any
  // length) leaves the window as it is, the start state in a page just opened, and the
  // address is given back the window's own code; the window has no place for messages, so the
  // reason goes to the console, with the start of what was there.
  function openAddress() {
    const written = location.hash.slice(1);
    let code = written;
    try {
      code = decodeURIComponent(written);
    } catch (malformed) {
      // A bad escape is read as it stands; the reading says what is wrong with it.
    }
    // The text goes whole, with its length: a NUL in the address must not end the code early.
    const problem = call('nf_code_problem', [code]);
    if (problem) {
      const shown = written.length > 40 ? written.slice(0, 40) + '…' : written;
      console.warn(`normal-forms: the address holds no function ("#${shown}"): ${problem}`);
    } else {
      apply(call('nf_open', [code]));
    }
    showAddress();
  }

  // A press on a scroll bar's arrows: `step` moves by one, up or down.
  function pressBar(target, step) {
    if (target.closest('.up')) {
      step(-1);
    } else if (target.closest('.dn')) {
      step(1);
    }
  }

  // A list one item high: a viewport on the items and a scroll bar. The arrows, the groove,
  // the wheel and a finger moving along the list scroll it by one item without selecting; the
  // selection and the keys are the model's. The scroll position is the style's --top, which the page's style
  // turns into where the items and the thumb stand.
  class ListBox {
    constructor(element) {
      this.element = element;
      this.items = Array.from(element.querySelectorAll('[role=option]'));
      this.thumb = element.querySelector('.th');
      this.top = 0;
      this.wheel = 0;
      this.swipe = null;
      element.addEventListener('mousedown', (event) => this.press(event));
      element.addEventListener('wheel', (event) => this.turn(event), {passive: false});
      element.addEventListener('touchstart', (event) => this.touch(event), {passive: true});
      element.addEventListener('touchmove', (event) => this.move(event), {passive: false});
      element.addEventListener('touchend', (event) => this.lift(event));
      element.addEventListener('touchcancel', () => {
        this.swipe = null;
      });
    }

    selected() {
      return this.items.findIndex((item) => item.getAttribute('aria-selected') === 'true');
    }

    showSelected() {
      this.scrollTo(Math.max(this.selected(), 0));
    }

    scrollTo(top) {
      this.top = Math.min(Math.max(top, 0), this.items.length - 1);
      this.element.style.setProperty('--top', String(this.top));
    }

    press(event) {
      if (event.button !== 0) {
        return;
      }
      const target = event.target;
      if (target.closest('.sb')) {
        // The scroll bar takes no focus: the arrows step, the groove pages, by one item.
        event.preventDefault();
        if (target.closest('.gr')) {
          const thumb = this.thumb.getBoundingClientRect();
          this.scrollTo(this.top + (event.clientY < thumb.top ? -1 : 1));
        } else {
          pressBar(target, (by) => this.scrollTo(this.top + by));
        }
        return;
      }
      // A press on an item chooses it, with or without Ctrl; beside the items it only focuses.
      const item = target.closest('[role=option]');
      if (item) {
        this.choose(this.items.indexOf(item));
      }
    }

    turn(event) {
      event.preventDefault();
      // Wheels step in lines or pixels; a notch is about three lines or a hundred pixels.
      const perItem = event.deltaMode === 1 ? 3 : event.deltaMode === 2 ? 1 : 100;
      this.wheel += event.deltaY / perItem;
      if (Math.abs(this.wheel) >= 1) {
        this.scrollTo(this.top + Math.sign(this.wheel));
        this.wheel = 0;
      }
    }

    // A finger that moves along the list scrolls it, an item for every list height it moves,
    // the items following the finger; the page itself does not move (the style lets the
    // browser pan nothing here, but two fingers still zoom). A touch that lifts without moving
    // is left to the browser, which makes it a click.
    touch(event) {
      this.swipe = event.touches.length === 1 ? {y: event.touches[0].clientY, moved: false} : null;
    }

    move(event) {
      const swipe = this.swipe;
      if (!swipe || event.touches.length !== 1) {
        return;
      }
      event.preventDefault();
      const y = event.touches[0].clientY;
      const step = this.element.getBoundingClientRect().height;
      swipe.moved = swipe.moved || Math.abs(y - swipe.y) > 6;
      while (y - swipe.y <= -step) {
        this.scrollTo(this.top + 1);
        swipe.y -= step;
      }
      while (y - swipe.y >= step) {
        this.scrollTo(this.top - 1);
        swipe.y += step;
      }
    }

    lift(event) {
      if (this.swipe && this.swipe.moved) {
        // A swipe selects nothing: no click follows it.
        event.preventDefault();
      }
      this.swipe = null;
    }

    choose(index) {
      input(this.element.id, index);
      this.showSelected();
    }
  }

  // The result box's scroll bar: the thumb's size and place follow the text; the arrows step a
  // line, the groove pages, the thumb drags. The box scrolls by itself under the wheel and a
  // finger.
  function attachBoxBar(box) {
    const bar = box.parentElement.querySelector('.sb');
    const groove = bar.querySelector('.gr');
    const thumb = bar.querySelector('.th');
    const line = parseFloat(getComputedStyle(box).lineHeight);
    const range = () => box.scrollHeight - box.clientHeight;
    function show() {
      const share = Math.min(box.clientHeight / box.scrollHeight, 1);
      const free = groove.clientHeight * (1 - share);
      thumb.style.setProperty('--size', String(share));
      thumb.style.setProperty('--at', String(range() > 0 ? (free * box.scrollTop) / range() : 0));
    }
    box.addEventListener('scroll', show);
    // On paper the box holds the whole report: it grows to its text while the page prints.
    addEventListener('beforeprint', () => {
      box.style.height = `${box.scrollHeight}px`;
    });
    addEventListener('afterprint', () => {
      box.style.height = '';
    });
    bar.addEventListener('mousedown', (event) => {
      event.preventDefault();
      if (event.button !== 0) {
        return;
      }
      if (event.target === thumb) {
        const start = {y: event.clientY, top: box.scrollTop};
        const scale = range() / Math.max(groove.clientHeight - thumb.offsetHeight, 1);
        const drag = (move) => {
          box.scrollTop = start.top + (move.clientY - start.y) * scale;
        };
        const drop = () => {
          removeEventListener('mousemove', drag);
          removeEventListener('mouseup', drop);
        };
        addEventListener('mousemove', drag);
        addEventListener('mouseup', drop);
      } else if (event.target.closest('.gr')) {
        const above = event.clientY < thumb.getBoundingClientRect().top;
        box.scrollTop += (above ? -1 : 1) * box.clientHeight;
      } else {
        pressBar(event.target, (by) => {
          box.scrollTop += by * line;
        });
      }
    });
    show();
  }

  function attachLists() {
    windowElement.querySelectorAll('[role=listbox]').forEach((element) => {
      lists.set(element, new ListBox(element));
    });
  }

  function attach() {
    windowElement.querySelectorAll('textarea').forEach(attachBoxBar);

    // Options, the button and the labels are clicked; lists choose on a press (above).
    windowElement.addEventListener('click', (event) => {
      const target = event.target.closest('[id]');
      if (target && target !== windowElement && !target.closest('[role=listbox]')) {
        input(target.id, 0);
      }
    });
    windowElement.addEventListener('keydown', key);
    // A press on anything that takes no focus (the bare window, a caption, the frame, a sign,
    // the square) leaves the focus where it was, as on the desktop.
    document.addEventListener('mousedown', (event) => {
      if (!event.target.closest('[tabindex], input, textarea, button')) {
        event.preventDefault();
      }
    });

    // A code typed into the address of the open page opens its function.
    addEventListener('hashchange', openAddress);
    try {
      if (location.hash.length > 1) {
        openAddress();
      }
    } finally {
      // Whatever the address held, the window shows.
      document.documentElement.classList.remove('opening');
    }
    if (document.activeElement === document.body) {
      windowElement.querySelector('[autofocus]').focus();
    }
    // From now on the window takes input; tests wait for this mark. A start slower than the
    // page's guard allows is a start all the same.
    windowElement.setAttribute('data-ready', '');
    document.documentElement.classList.remove('cannot-run');
  }

  // The face takes the window over in short steps, each a task of its own, so that no long task
  // holds the page while the program starts: the module is made in one, the lists are attached
  // in the next and the rest in the last.
  Module['onRuntimeInitialized'] = () => setTimeout(() => {
    attachLists();
    setTimeout(attach);
  });
})();
