# How Trains Work

What is the text mainly about?
- why trains are safer than travelling by car
- how the very first railway line was built
+ how trains run and the many jobs they do
- why so many old railway lines were closed

Why can one engine pull a long line of heavy cars?
- the cars are built of light metal and wood
+ a steel wheel rolls very easily on a steel rail
- most lines slope gently downhill all the way
- the wheels are wide and soft like truck tyres

What is a flange?
- a beam that the rails rest on
- a movable piece of rail at a junction
- a frame on the roof that collects power
+ a raised rim on the inner edge of a wheel

Why do the sleepers sit on a bed of crushed stone?
+ it spreads the weight and lets rain drain away
- it keeps the steel rails from rusting in the rain
- it makes the ride much quieter for passengers
- it holds the two rails the right distance apart

In a steam engine, what pushed the pistons back and forth?
- burning coal inside the cylinders
+ steam let in under pressure
- water pumped in from the boiler
- air drawn in through the chimney

How does a diesel engine often turn the wheels?
- it heats water into steam that pushes pistons
- it takes its power from wires above the track
+ it drives a generator that runs electric motors
- it turns the wheels through a long steel chain

Why is a line split into sections with one train in each?
+ a heavy train needs a long way to stop
- short sections are easier to repair
- each section needs a driver of its own
- the power supply works in sections

How fast can high speed trains go, compared with a car on a motorway?
- about as fast as the car
- half as fast again as the car
+ two or three times as fast
- five or six times as fast
