// The browser face of the window. The page already shows the window in its start state; once
// the WebAssembly module is ready this file attaches to it. Every mouse or keyboard input
// becomes one of the window model's inputs ("the user chose item i of list X"), and the face
// then redraws only the controls the model says changed. What an input means for the state is
// decided in the model alone.
(function () {
  'use strict';

  // Kinds of change in the mask every input returns; the same bits as in bindings.cpp.
  const COUNT = 1;
  const OPTION = 2;
  const VALUES = 4;
  const LABELS = 8;
  const SHOWN = 16;
  const RESULT = 32;
  const ROWS = 32;

  const byId = (id) => document.getElementById(id);

  // A list one item high, drawn by the page: a viewport on the items and a scroll bar whose
  // arrows and the mouse wheel scroll by one item without selecting. The selection is the
  // model's; the list only keeps the keyboard's current item and what it scrolled to.
  class ListBox {
    constructor(element, choose) {
      this.element = element;
      this.choose = choose;
      this.items = Array.from(element.querySelectorAll('[role=option]'));
      this.strip = element.querySelector('.its');
      this.thumb = element.querySelector('.th');
      this.current = Math.max(this.selected(), 0);
      this.top = this.current;
      this.wheel = 0;
      element.addEventListener('mousedown', (event) => this.press(event));
      element.addEventListener('wheel', (event) => this.turn(event), {passive: false});
      element.addEventListener('keydown', (event) => this.key(event));
    }

    selected() {
      return this.items.findIndex((item) => item.getAttribute('aria-selected') === 'true');
    }

    // Shows the model's selection (-1: none) and, when there is one, makes it current and
    // scrolls it into view.
    show(index) {
      this.items.forEach((item, i) => item.setAttribute('aria-selected', String(i === index)));
      if (index >= 0) {
        this.setCurrent(index);
        this.scrollTo(index);
      }
    }

    setCurrent(index) {
      this.items[this.current].classList.remove('cur');
      this.items[index].classList.add('cur');
      this.current = index;
      this.element.setAttribute('aria-activedescendant', this.items[index].id);
    }

    scrollTo(top) {
      const last = this.items.length - 1;
      this.top = Math.min(Math.max(top, 0), last);
      this.strip.style.transform = 'translateY(' + (-100 * this.top / this.items.length) + '%)';
      this.thumb.style.top = 'calc((100% - 3px) * ' + this.top + ' / ' + last + ')';
    }

    press(event) {
      if (event.button !== 0) {
        return;
      }
      const target = event.target;
      if (target.closest('.sb')) {
        // The scroll bar takes no focus: the arrows step, the groove pages, by one item.
        event.preventDefault();
        if (target.classList.contains('up')) {
          this.scrollTo(this.top - 1);
        } else if (target.classList.contains('dn')) {
          this.scrollTo(this.top + 1);
        } else if (target.classList.contains('gr')) {
          const thumb = this.thumb.getBoundingClientRect();
          this.scrollTo(this.top + (event.clientY < thumb.top ? -1 : 1));
        }
        return;
      }
      // A press on an item chooses it, with or without Ctrl; beside the items it only focuses.
      const item = target.closest('[role=option]');
      if (item) {
        this.pick(this.items.indexOf(item));
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

    key(event) {
      if (event.altKey || event.metaKey) {
        return;
      }
      const last = this.items.length - 1;
      const moves = {
        ArrowUp: this.current - 1,
        ArrowDown: this.current + 1,
        PageUp: this.current - 1,
        PageDown: this.current + 1,
        Home: 0,
        End: last,
        ' ': this.current,
      };
      let index = -1;
      if (event.key in moves) {
        index = Math.min(Math.max(moves[event.key], 0), last);
      } else if (!event.ctrlKey) {
        // Typing an item's text selects that item at once.
        index = this.items.findIndex((item) => item.textContent === event.key);
      }
      if (index >= 0) {
        event.preventDefault();
        this.pick(index);
      }
    }

    pick(index) {
      this.setCurrent(index);
      this.choose(index);
    }
  }

  function attach() {
    const windowElement = byId('window');
    const boxName = windowElement.dataset.boxName;
    const selectorName = windowElement.dataset.selectorName;
    const rowsOf = (group) => Array.from({length: ROWS}, (_, row) => byId(group + '_' + row));
    const labelBoxes = rowsOf('Text2');
    const signs = rowsOf('Label1');
    const options = [byId('Option1_0'), byId('Option1_1')];
    const result = byId('Text1_0');

    // After an input on a list, that list shows the model's selection again even when the
    // model refused the choice.
    const count = new ListBox(byId('List2'), (index) => {
      apply(_nf_choose_count(index));
      count.show(_nf_count());
    });
    const selectors = rowsOf('List1').map((element, row) => {
      const list = new ListBox(element, (item) => {
        apply(_nf_choose_value(row, item));
        list.show(_nf_value(row));
      });
      return list;
    });

    function showOption() {
      const checked = _nf_option();
      options.forEach((option, i) => {
        option.setAttribute('aria-checked', String(i === checked));
        option.tabIndex = i === Math.max(checked, 0) ? 0 : -1;
      });
    }

    function showRow(row) {
      const hidden = !_nf_shown(row);
      labelBoxes[row].hidden = hidden;
      signs[row].hidden = hidden;
      selectors[row].element.hidden = hidden;
    }

    function showLabel(row) {
      const label = UTF8ToString(_nf_label(row));
      labelBoxes[row].value = label;
      labelBoxes[row].setAttribute('aria-label', boxName + label);
      selectors[row].element.setAttribute('aria-label', selectorName + label);
    }

    function apply(mask) {
      if (mask & COUNT) {
        count.show(_nf_count());
      }
      if (mask & OPTION) {
        showOption();
      }
      const shown = mask & SHOWN ? _nf_changed_shown() : 0;
      const labels = mask & LABELS ? _nf_changed_labels() : 0;
      const values = mask & VALUES ? _nf_changed_values() : 0;
      for (let row = 0; row < ROWS; ++row) {
        const bit = 1 << row;
        if (shown & bit) {
          showRow(row);
        }
        if (labels & bit) {
          showLabel(row);
        }
        if (values & bit) {
          selectors[row].show(_nf_value(row));
        }
      }
      if (mask & RESULT) {
        result.value = UTF8ToString(_nf_result()).replace(/\r\n/g, '\n');
        // A new text starts at its top, as on the desktop. Scrolling needs the box laid out;
        // in the next frame the page lays it out anyway, now it would do so only for this.
        requestAnimationFrame(() => {
          result.scrollTop = 0;
        });
      }
    }

    options.forEach((option, i) => {
      option.addEventListener('click', () => apply(_nf_choose_form(i)));
      option.addEventListener('keydown', (event) => {
        const other = options[1 - i];
        if (event.key === ' ') {
          event.preventDefault();
          apply(_nf_choose_form(i));
        } else if (/^Arrow/.test(event.key)) {
          // Both arrows lead to the other option of the pair, and select it.
          event.preventDefault();
          other.focus();
          apply(_nf_choose_form(1 - i));
        }
      });
    });
    byId('Command1_0').addEventListener('click', () => apply(_nf_press_clear(0)));
    signs.concat([byId('Label1_32')]).forEach((label, index) => {
      label.addEventListener('click', () => apply(_nf_click_label(index)));
    });

    // A press on the bare window, a caption, the frame, a sign or the square leaves the focus
    // where it was, as on the desktop where none of them takes focus.
    document.addEventListener('mousedown', (event) => {
      const target = event.target;
      if (target === document.documentElement || target === document.body ||
          target === windowElement || target.id === 'Frame1' ||
          target.matches('.cap, .sign, .sq')) {
        event.preventDefault();
      }
    });

    if (document.activeElement === document.body) {
      selectors[0].element.focus();
    }
    // From now on the window takes input; tests wait for this mark.
    windowElement.setAttribute('data-ready', '');
  }

  Module['onRuntimeInitialized'] = attach;
})();
