#pragma once

// Long work away from the windows' thread: a sweep, a Monte Carlo run. The latest request wins:
// starting a run cancels the one before, whose result is never delivered. Progress and the
// result arrive on the windows' thread; whatever the work throws (memory exhausted, say) arrives
// there too, as the exception, and by default goes to the application's error handler. Nothing
// here waits for a thread: a cancelled run stops at its next step on its own.

#include "Tela.h"
#include "calc/Paralelo.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <functional>
#include <optional>
#include <utility>

template <class Resultado> class SegundoPlano {
public:
    // Runs on a worker thread: the work, asked through `continuar` with its steps done whether to
    // go on; none when it stopped.
    using Tarefa = std::function<std::optional<Resultado>(const Continuacao& continuar)>;

    // The callbacks run on the windows' thread, only for the latest run.
    std::function<void(int feitos)> aoProgredir;
    std::function<void(Resultado resultado)> aoTerminar;
    std::function<void(std::exception_ptr erro)> aoFalhar = TratarErro;

    SegundoPlano() {
        // What the callbacks throw goes to the error handler, never into Qt's event loop.
        QObject::connect(&vigia_, &QFutureWatcherBase::progressValueChanged, &vigia_,
                         [this](int feitos) {
                             if (andando_ && aoProgredir)
                                 Tratado([&] { aoProgredir(feitos); })();
                         });
        QObject::connect(&vigia_, &QFutureWatcherBase::finished, &vigia_,
                         Tratado([this] { Terminou(); }));
    }
    ~SegundoPlano() { Cancelar(); }
    SegundoPlano(const SegundoPlano&) = delete;
    SegundoPlano& operator=(const SegundoPlano&) = delete;

    // Cancels the run in progress, if any, and starts this one.
    void Iniciar(Tarefa tarefa) {
        Cancelar();
        andando_ = true;
        vigia_.setFuture(QtConcurrent::run([tarefa = std::move(tarefa)](QPromise<Saida>& promessa) {
            Saida saida;
            try {
                saida.resultado = tarefa([&promessa](int feitos) {
                    promessa.setProgressValue(feitos);
                    return !promessa.isCanceled();
                });
            } catch (...) {
                saida.erro = std::current_exception();
            }
            promessa.addResult(std::move(saida));
        }));
    }

    // The run in progress stops at its next step; nothing of it is delivered.
    void Cancelar() {
        andando_ = false;
        vigia_.cancel();
    }

    // A run was started and has neither ended nor been cancelled.
    bool EmAndamento() const { return andando_; }

private:
    struct Saida {
        std::optional<Resultado> resultado;
        std::exception_ptr erro;
    };

    void Terminou() {
        const QFuture<Saida> futuro = vigia_.future();
        if (!andando_ || futuro.isCanceled() || futuro.resultCount() == 0)
            return;
        andando_ = false;
        Saida saida = futuro.result();
        if (saida.erro) {
            if (aoFalhar)
                aoFalhar(saida.erro);
        } else if (saida.resultado && aoTerminar) {
            aoTerminar(std::move(*saida.resultado));
        }
    }

    QFutureWatcher<Saida> vigia_;
    bool andando_ = false;
};
