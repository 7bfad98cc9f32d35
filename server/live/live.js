// Keeps the game part of the page current: the server pushes the new markup
// with each message (Server-Sent Events); without them, or while they fail,
// the page asks for it every two seconds. The shot chart's choice survives
// each update.
(function () {
  "use strict";
  var main = document.getElementById("game");
  var state = document.getElementById("live-state");
  var lang = main.getAttribute("data-lang");
  var version = Number(main.getAttribute("data-version")) || 0;
  var base = location.pathname.replace(/\/+$/, "");
  var filter = "all";
  var polling = null;

  function applyFilter() {
    var select = document.getElementById("shot-filter");
    if (select) {
      select.value = filter;
      if (select.value !== filter) { filter = "all"; select.value = "all"; }
    }
    var shots = main.querySelectorAll("#shot-chart .shot");
    for (var i = 0; i < shots.length; i++) {
      var s = shots[i];
      var shown = filter === "all" || s.getAttribute("data-side") === filter ||
                  s.getAttribute("data-player") === filter;
      s.classList.toggle("hidden", !shown);
    }
  }

  function show(html, v) {
    if (!(v > version)) return;
    version = v;
    main.setAttribute("data-version", String(v));
    main.innerHTML = html;
    applyFilter();
  }

  function connected(ok) {
    state.classList.toggle("lost", !ok);
    state.textContent = state.getAttribute(ok ? "data-live" : "data-lost");
  }

  function poll() {
    var request = new XMLHttpRequest();
    request.open("GET", base + "/fragment?lang=" + lang + "&since=" + version);
    request.onload = function () {
      connected(request.status === 200 || request.status === 204);
      if (request.status === 200)
        show(request.responseText, Number(request.getResponseHeader("X-Live-Version")));
    };
    request.onerror = function () { connected(false); };
    request.send();
  }

  function startPolling() {
    if (polling === null) polling = setInterval(poll, 2000);
  }

  main.addEventListener("change", function (e) {
    if (e.target && e.target.id === "shot-filter") { filter = e.target.value; applyFilter(); }
  });
  applyFilter();

  if (!window.EventSource) { startPolling(); return; }
  var source = new EventSource(base + "/events?lang=" + lang);
  source.onopen = function () {
    connected(true);
    if (polling !== null) { clearInterval(polling); polling = null; }
  };
  source.onmessage = function (e) { show(e.data, Number(e.lastEventId)); };
  source.onerror = function () {
    connected(false);
    // The browser reconnects by itself (sending the last version it saw);
    // when it gives up, polling takes over.
    if (source.readyState === EventSource.CLOSED) startPolling();
    else poll();
  };
})();
